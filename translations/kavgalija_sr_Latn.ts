<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Latn" sourcelanguage="sr_Latn">
<context>
    <name>Accessibility</name>
    <message numerus="yes">
        <source>%1 ima %2 od %n zlatnika.</source>
        <translation>
            <numerusform>%1 ima %2 od %n zlatnika.</numerusform>
            <numerusform>%1 ima %2 od %n zlatnika.</numerusform>
            <numerusform>%1 ima %2 od %n zlatnika.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Isti brojevi na kocki pri svakom pokretanju.</source>
        <translation>Isti brojevi na kocki pri svakom pokretanju.</translation>
    </message>
    <message>
        <source>Jezik: %1 (original), %2 (latinica), %3 (cirilica) ili %4.</source>
        <extracomment>The codes stay as they are: they are typed after --lang.</extracomment>
        <translation>Jezik: %1 (original), %2 (latinica), %3 (ćirilica) ili %4.</translation>
    </message>
    <message>
        <source>Nista se ne pamti: ni sacuvana igra ni podesavanja.</source>
        <translation>Ništa se ne pamti: ni sačuvana igra ni podešavanja.</translation>
    </message>
    <message>
        <source>kavgalija: nepoznat jezik %1</source>
        <translation>kavgalija: nepoznat jezik %1</translation>
    </message>
    <message>
        <source>kavgalija: seme mora biti ceo broj, ne %1</source>
        <translation>kavgalija: seme mora biti ceo broj, ne %1</translation>
    </message>
</context>
<context>
    <name>ComputerDialogs</name>
    <message>
        <source>ne</source>
        <translation>ne</translation>
    </message>
</context>
<context>
    <name>ComputerSeats</name>
    <message>
        <source>Lako</source>
        <translation>Lako</translation>
    </message>
    <message>
        <source>Tesko</source>
        <translation>Teško</translation>
    </message>
    <message>
        <source>Srednje</source>
        <translation>Srednje</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>KAVGALIJA!</source>
        <translation>KAVGALIJA!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Kocka pokazuje %1</source>
        <translation>Kocka pokazuje %1</translation>
    </message>
    <message>
        <source>Da</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>Ne</translation>
    </message>
</context>
<context>
    <name>Dnevnik</name>
    <message>
        <source>nista</source>
        <translation>ništa</translation>
    </message>
    <message numerus="yes">
        <source>%1 udara i pogadja, steta: %n (%2: jos %3 zdravlja).</source>
        <translation>
            <numerusform>%1 udara i pogađa, šteta: %n (%2: još %3 zdravlja).</numerusform>
            <numerusform>%1 udara i pogađa, šteta: %n (%2: još %3 zdravlja).</numerusform>
            <numerusform>%1 udara i pogađa, šteta: %n (%2: još %3 zdravlja).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 udara i promasuje.</source>
        <translation>%1 udara i promašuje.</translation>
    </message>
    <message>
        <source>%1 udara, a %2 se brani stitom.</source>
        <translation>%1 udara, a %2 se brani štitom.</translation>
    </message>
    <message>
        <source>%1 udara, a %2 odbija udarac.</source>
        <translation>%1 udara, a %2 odbija udarac.</translation>
    </message>
    <message>
        <source>%1 lomi oruzje.</source>
        <translation>%1 lomi oružje.</translation>
    </message>
    <message>
        <source>%1 ostaje bez oklopa.</source>
        <translation>%1 ostaje bez oklopa.</translation>
    </message>
    <message>
        <source>%1 bezi od psa: nazad za 3, na polje %2.</source>
        <translation>%1 beži od psa: nazad za 3, na polje %2.</translation>
    </message>
    <message numerus="yes">
        <source>Lopov! %1 gubi zlatnika: %n.</source>
        <translation>
            <numerusform>Lopov! %1 gubi %n zlatnik.</numerusform>
            <numerusform>Lopov! %1 gubi %n zlatnika.</numerusform>
            <numerusform>Lopov! %1 gubi %n zlatnika.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 pada u ruke inkvizicije i propusta sledeci potez.</source>
        <translation>%1 pada u ruke inkvizicije i propušta sledeći potez.</translation>
    </message>
    <message>
        <source>Pocinje nova igra.</source>
        <translation>Počinje nova igra.</translation>
    </message>
    <message>
        <source>%1 propusta potez zbog inkvizicije.</source>
        <translation>%1 propušta potez zbog inkvizicije.</translation>
    </message>
    <message numerus="yes">
        <source>%1 pobeduje! Zlatnika: %n.</source>
        <translation>
            <numerusform>%1 pobeđuje sa %n zlatnikom!</numerusform>
            <numerusform>%1 pobeđuje sa %n zlatnika!</numerusform>
            <numerusform>%1 pobeđuje sa %n zlatnika!</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 baca %2 i staje na polje %3.</source>
        <translation>%1 baca %2 i staje na polje %3.</translation>
    </message>
    <message>
        <source>%1 i %2 su na istom polju: borba!</source>
        <translation>%1 i %2 su na istom polju: borba!</translation>
    </message>
    <message numerus="yes">
        <source>%1 nalazi zlatnik (zlatnika: %n).</source>
        <translation>
            <numerusform>%1 nalazi zlatnik (ukupno %n).</numerusform>
            <numerusform>%1 nalazi zlatnik (ukupno %n).</numerusform>
            <numerusform>%1 nalazi zlatnik (ukupno %n).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 uzima blago (zlatnika: %n).</source>
        <translation>
            <numerusform>%1 uzima blago: %n zlatnik.</numerusform>
            <numerusform>%1 uzima blago: %n zlatnika.</numerusform>
            <numerusform>%1 uzima blago: %n zlatnika.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uzima: %2.</source>
        <translation>%1 uzima: %2.</translation>
    </message>
    <message>
        <source>%1 ostavlja: %2.</source>
        <translation>%1 ostavlja: %2.</translation>
    </message>
    <message>
        <source>%2 pada, %1 pobeduje u borbi.</source>
        <translation>%2 pada, %1 pobeđuje u borbi.</translation>
    </message>
    <message>
        <source>%1 uzima plen: %2.</source>
        <translation>%1 uzima plen: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 osvaja zlatnika: %n, a %2 pocinje ispocetka.</source>
        <translation>
            <numerusform>%1 osvaja %n zlatnik, a %2 počinje ispočetka.</numerusform>
            <numerusform>%1 osvaja %n zlatnika, a %2 počinje ispočetka.</numerusform>
            <numerusform>%1 osvaja %n zlatnika, a %2 počinje ispočetka.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 bezi iz borbe: nazad za %n, na polje %2.</source>
        <translation>
            <numerusform>%1 beži iz borbe: nazad za %n, na polje %2.</numerusform>
            <numerusform>%1 beži iz borbe: nazad za %n, na polje %2.</numerusform>
            <numerusform>%1 beži iz borbe: nazad za %n, na polje %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Runda %1: %2</source>
        <translation>Runda %1: %2</translation>
    </message>
    <message>
        <source>Dnevnik</source>
        <translation>Dnevnik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Form1</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Na potezu:</source>
        <translation>Na potezu:</translation>
    </message>
    <message>
        <source>Baci kocku</source>
        <translation>Baci kocku</translation>
    </message>
    <message>
        <source>Baci kocku (R)</source>
        <translation>Baci kocku (R)</translation>
    </message>
    <message>
        <source>Opcije</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Inventar</source>
        <translation>Inventar</translation>
    </message>
    <message>
        <source>polje</source>
        <translation>prazno</translation>
    </message>
    <message>
        <source>kovceg</source>
        <translation>kovčeg</translation>
    </message>
    <message>
        <source>zlatnik</source>
        <translation>zlatnik</translation>
    </message>
    <message>
        <source>opasnost</source>
        <translation>opasnost</translation>
    </message>
    <message>
        <source>Polje %1: %2</source>
        <translation>Polje %1: %2</translation>
    </message>
    <message>
        <source>Na potezu: %1</source>
        <translation>Na potezu: %1</translation>
    </message>
    <message>
        <source>Na potezu je %1,ali njega trenutno muchi inkvizicija...</source>
        <translation>Na potezu je %1, ali trenutno u rukama inkvizicije...</translation>
    </message>
    <message>
        <source>Nasli ste jedan zlatnik!</source>
        <translation>Našli ste jedan zlatnik!</translation>
    </message>
    <message>
        <source>Tabla</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Dnevnik</source>
        <translation>Dnevnik</translation>
    </message>
    <message>
        <source>Dnevnik (D)</source>
        <translation>Dnevnik (D)</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>KAVGALIJA!</source>
        <translation>KAVGALIJA!</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>DEMO</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>OPCIJE</source>
        <translation>OPCIJE</translation>
    </message>
    <message>
        <source>AUTOR</source>
        <translation>AUTOR</translation>
    </message>
    <message>
        <source>KRAJ</source>
        <translation>KRAJ</translation>
    </message>
    <message>
        <source>Napravio studio KAVGALIJA! za duge zimske veceri.</source>
        <translation>Napravio studio KAVGALIJA! za duge zimske večeri.</translation>
    </message>
    <message>
        <source>NASTAVI</source>
        <extracomment>Continues the saved game.</extracomment>
        <translation>NASTAVI</translation>
    </message>
    <message>
        <source>Zapoceti novu igru? Sacuvana igra ce biti izgubljena.</source>
        <translation>Započeti novu igru? Sačuvana igra će biti izgubljena.</translation>
    </message>
    <message>
        <source>Sacuvana igra ne moze da se procita, pa je sklonjena u stranu: %1</source>
        <translation>Sačuvana igra ne može da se pročita, pa je sklonjena u stranu: %1</translation>
    </message>
</context>
<context>
    <name>Items</name>
    <message>
        <source>Odelo</source>
        <translation>Odelo</translation>
    </message>
    <message>
        <source>Mantija</source>
        <translation>Mantija</translation>
    </message>
    <message>
        <source>Kozni oklop</source>
        <translation>Kožni oklop</translation>
    </message>
    <message>
        <source>Lancani oklop</source>
        <translation>Lančani oklop</translation>
    </message>
    <message>
        <source>Plochanik</source>
        <translation>Pločanik</translation>
    </message>
    <message>
        <source>dagger</source>
        <translation>bodež</translation>
    </message>
    <message>
        <source>sword</source>
        <translation>mač</translation>
    </message>
    <message>
        <source>axe</source>
        <translation>sekira</translation>
    </message>
    <message>
        <source>spear</source>
        <translation>koplje</translation>
    </message>
    <message>
        <source>plavi stit</source>
        <translation>plavi štit</translation>
    </message>
    <message>
        <source>crveni stit</source>
        <translation>crveni štit</translation>
    </message>
    <message>
        <source>Bodez je oruzje lopova.Lako se moze sakriti za pojas,ali je beskorisno protiv jacih oklopa.</source>
        <translation>Bodež je oružje lopova. Lako se može sakriti za pojas, ali je beskorisno protiv jačih oklopa.</translation>
    </message>
    <message>
        <source>Mac je klasicno oruzje ratnika.Precizan i ostar dobar je za sve situacije u borbi.</source>
        <translation>Mač je klasično oružje ratnika. Precizan i oštar, dobar je za sve situacije u borbi.</translation>
    </message>
    <message>
        <source>Sekira je oruzje varvara.Ovo nemilosrdno oruzje probija i najjace oklope.</source>
        <translation>Sekira je oružje varvara. Ovo nemilosrdno oružje probija i najjače oklope.</translation>
    </message>
    <message>
        <source>Ovo koplje su koristile falange hoplita u staroj grckoj.Posebno je ojacano za borbu sa jakim protivnicima.</source>
        <translation>Ovo koplje su koristile falange hoplita u staroj Grčkoj. Posebno je ojačano za borbu sa jakim protivnicima.</translation>
    </message>
    <message>
        <source>Nije sve u zlatu neki kazu...mada vecina toga jeste.Nasli ste blago!</source>
        <translation>Nije sve u zlatu, neki kažu... mada većina toga jeste. Našli ste blago!</translation>
    </message>
    <message>
        <source>Opusteno i lagano odelo za leto.Mantija...</source>
        <translation>Opušteno i lagano odelo za leto. Mantija...</translation>
    </message>
    <message>
        <source>Kozna jakna.Stiti od strela,ali slab otpor tezem cheliku.</source>
        <translation>Kožna jakna. Štiti od strela, ali slab otpor težem čeliku.</translation>
    </message>
    <message>
        <source>Napravljen od sitnih pletenih lanaca ovaj oklop je pravi otpor za sve.</source>
        <translation>Napravljen od sitnih pletenih lanaca, ovaj oklop je pravi otpor za sve.</translation>
    </message>
    <message>
        <source>Najjaci od svih oklopa,ovaj oklop od celicnih plocha je najbolja stvar za vas!</source>
        <translation>Najjači od svih oklopa, ovaj oklop od čeličnih ploča je najbolja stvar za vas!</translation>
    </message>
    <message>
        <source>Ukoliko uspete da se odbranite plavim stitom,procicete bez ogrebotine!</source>
        <translation>Ukoliko uspete da se odbranite plavim štitom, proći ćete bez ogrebotine!</translation>
    </message>
    <message>
        <source>Crveni stit je duplo bolji od plavog stita!Vece sanse su da se odbranite!</source>
        <translation>Crveni štit je duplo bolji od plavog štita! Veće šanse su da se odbranite!</translation>
    </message>
    <message>
        <source>blago</source>
        <translation>blago</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>Zapamcena podesavanja ne mogu da se procitaju, pa su sklonjena u stranu.</source>
        <translation>Zapamćena podešavanja ne mogu da se pročitaju, pa su sklonjena u stranu.</translation>
    </message>
</context>
<context>
    <name>Kreiranje</name>
    <message>
        <source>Ime</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Kreiranje igraca</source>
        <translation>Kreiranje igrača</translation>
    </message>
    <message>
        <source>Igrac br</source>
        <translation>Igrač br.</translation>
    </message>
    <message>
        <source>Zvucna tema:</source>
        <translation>Zvučna tema:</translation>
    </message>
    <message>
        <source>Zvucna tema</source>
        <translation>Zvučna tema</translation>
    </message>
    <message>
        <source>Prethodni lik</source>
        <translation>Prethodni lik</translation>
    </message>
    <message>
        <source>Sledeci lik</source>
        <translation>Sledeći lik</translation>
    </message>
    <message>
        <source>Musko</source>
        <translation>Muško</translation>
    </message>
    <message>
        <source>Zensko</source>
        <translation>Žensko</translation>
    </message>
    <message>
        <source>SLEDECI</source>
        <translation>SLEDEĆI</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Portret %1 od %2</source>
        <translation>Portret %1 od %2</translation>
    </message>
    <message>
        <source>Ime igraca %1</source>
        <translation>Ime igrača %1</translation>
    </message>
    <message>
        <source>Igrac br %1</source>
        <translation>Igrač br. %1</translation>
    </message>
    <message>
        <source>Racunar</source>
        <translation>Računar</translation>
    </message>
    <message>
        <source>Racunar %1</source>
        <translation>Računar %1</translation>
    </message>
    <message>
        <source>zvuk</source>
        <extracomment>The folder of all the sound themes, at the top of the list.</extracomment>
        <translation>Zvučne teme</translation>
    </message>
    <message>
        <source>..</source>
        <extracomment>Back up to the folder of all the themes.</extracomment>
        <translation>(nazad)</translation>
    </message>
    <message>
        <source>american</source>
        <translation>Američki</translation>
    </message>
    <message>
        <source>patuljak</source>
        <translation>Patuljak</translation>
    </message>
    <message>
        <source>srpski</source>
        <translation>Srpski</translation>
    </message>
    <message>
        <source>Snaga racunara</source>
        <translation>Snaga računara</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Srpski (cirilica)</source>
        <extracomment>Each language is best named in itself, so that whoever reads it can find their way back.</extracomment>
        <translation>Српски (ћирилица)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Srpski (latinica)</source>
        <translation>Srpski (latinica)</translation>
    </message>
    <message>
        <source>Srpski (original)</source>
        <translation>Srpski (original)</translation>
    </message>
</context>
<context>
    <name>ListeningTexts</name>
    <message>
        <source>nema</source>
        <translation>nema</translation>
    </message>
    <message>
        <source>Na tabli i u borbi: P ponavlja poslednju poruku, D otvara dnevnik, Z kaze zlato svih igraca, N kaze ko je na potezu.</source>
        <translation>Na tabli i u borbi: P ponavlja poslednju poruku, D otvara dnevnik, Z kaže zlato svih igrača, N kaže ko je na potezu.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (racunar, %4): %2 od %n zlatnika, polje %3.</source>
        <translation>
            <numerusform>%1 (računar, %4): %2 od %n zlatnika, polje %3.</numerusform>
            <numerusform>%1 (računar, %4): %2 od %n zlatnika, polje %3.</numerusform>
            <numerusform>%1 (računar, %4): %2 od %n zlatnika, polje %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 od %n zlatnika, polje %3.</source>
        <translation>
            <numerusform>%1: %2 od %n zlatnika, polje %3.</numerusform>
            <numerusform>%1: %2 od %n zlatnika, polje %3.</numerusform>
            <numerusform>%1: %2 od %n zlatnika, polje %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Na potezu: %1. Zlatnika: %2 od %n; oruzje: %3; oklop: %4; stit: %5; zdravlje: %6.</source>
        <translation>
            <numerusform>Na potezu: %1. Zlatnika: %2 od %n; oružje: %3; oklop: %4; štit: %5; zdravlje: %6.</numerusform>
            <numerusform>Na potezu: %1. Zlatnika: %2 od %n; oružje: %3; oklop: %4; štit: %5; zdravlje: %6.</numerusform>
            <numerusform>Na potezu: %1. Zlatnika: %2 od %n; oružje: %3; oklop: %4; štit: %5; zdravlje: %6.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Nagrade</name>
    <message>
        <source>Nagrada!</source>
        <translation>Nagrada!</translation>
    </message>
    <message>
        <source>Uzmi</source>
        <translation>Uzmi</translation>
    </message>
    <message>
        <source>Ostavi</source>
        <translation>Ostavi</translation>
    </message>
    <message>
        <source>%1 uzima: %2.</source>
        <translation>%1 uzima: %2.</translation>
    </message>
    <message>
        <source>%1 ostavlja: %2.</source>
        <translation>%1 ostavlja: %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Prikazuje pomoć za opcije komandne linije.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Prikazuje pomoć zajedno sa opcijama Qt-a.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Upotreba: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcije]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcije:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nepoznata opcija „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nepoznate opcije: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nedostaje vrednost posle „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Neočekivana vrednost posle „%1“.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Poništi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>P&amp;onovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ise&amp;ci</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>RacePanel</name>
    <message>
        <source>racunar</source>
        <translation>računar</translation>
    </message>
    <message numerus="yes">
        <source>%1, racunar, %2 od %n zlatnika, na potezu</source>
        <translation>
            <numerusform>%1, računar, %2 od %n zlatnika, na potezu</numerusform>
            <numerusform>%1, računar, %2 od %n zlatnika, na potezu</numerusform>
            <numerusform>%1, računar, %2 od %n zlatnika, na potezu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, racunar, %2 od %n zlatnika</source>
        <translation>
            <numerusform>%1, računar, %2 od %n zlatnika</numerusform>
            <numerusform>%1, računar, %2 od %n zlatnika</numerusform>
            <numerusform>%1, računar, %2 od %n zlatnika</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 od %n zlatnika, na potezu</source>
        <translation>
            <numerusform>%1, %2 od %n zlatnika, na potezu</numerusform>
            <numerusform>%1, %2 od %n zlatnika, na potezu</numerusform>
            <numerusform>%1, %2 od %n zlatnika, na potezu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 od %n zlatnika</source>
        <translation>
            <numerusform>%1, %2 od %n zlatnika</numerusform>
            <numerusform>%1, %2 od %n zlatnika</numerusform>
            <numerusform>%1, %2 od %n zlatnika</numerusform>
        </translation>
    </message>
    <message>
        <source>, igra %1</source>
        <translation>, igra %1</translation>
    </message>
</context>
<context>
    <name>Ui</name>
    <message>
        <source>Portret: %1</source>
        <translation>Portret: %1</translation>
    </message>
</context>
<context>
    <name>borba</name>
    <message>
        <source>Borba</source>
        <translation>Borba</translation>
    </message>
    <message>
        <source>Zdravlje</source>
        <translation>Zdravlje</translation>
    </message>
    <message>
        <source>Protiv</source>
        <translation>Protiv</translation>
    </message>
    <message>
        <source>Udri</source>
        <translation>Udri</translation>
    </message>
    <message>
        <source>Povlacenje</source>
        <translation>Povlačenje</translation>
    </message>
    <message>
        <source>Hehe,ja sam bio pametan pa kupio stit!</source>
        <translation>Hehe, pamet u glavu, pa štit u ruke!</translation>
    </message>
    <message>
        <source>Kuku al si se odbio ko muda od labuda!</source>
        <translation>Kuku, al’ se odbi ko muda od labuda!</translation>
    </message>
    <message>
        <source>NJANJANANANJAAAA!</source>
        <translation>NJANJANANANJAAAA!</translation>
    </message>
    <message>
        <source>Di ti bre ochi?</source>
        <translation>Di ti bre oči?</translation>
    </message>
    <message>
        <source>Di ces glavom o zid komsija?</source>
        <translation>Di ćeš glavom o zid, komšija?</translation>
    </message>
    <message>
        <source>Jace bre to...ne osetih nista...</source>
        <translation>Jače bre to... ne osetih ništa...</translation>
    </message>
    <message>
        <source>Pa ako iseces taj stit svaka ti cast.</source>
        <translation>Pa ako isečeš taj štit, svaka ti čast.</translation>
    </message>
    <message>
        <source>Pazi,ce da polomis oruzje :)</source>
        <translation>Pazi, ćeš da polomiš oružje :)</translation>
    </message>
    <message>
        <source>Sta bre pravis tolku buku!? :)</source>
        <translation>Šta bre praviš tolku buku!? :)</translation>
    </message>
    <message>
        <source>e al s` ti brljiv neki stvor..</source>
        <translation>e al’ s’ ti brljiv neki stvor..</translation>
    </message>
    <message>
        <source>Kuukuuu!!!</source>
        <translation>Kuukuuu!!!</translation>
    </message>
    <message>
        <source>Platices mi za ovo!!!!!</source>
        <translation>Platićeš mi za ovo!!!!!</translation>
    </message>
    <message>
        <source>Neeee tu..tu sam se operis`o!!!!</source>
        <translation>Neeee tu.. tu su mi šavovi od operacije!!!!</translation>
    </message>
    <message>
        <source>Joj...iskasapi me!#^%@#$&amp;*</source>
        <translation>Joj... iskasapi me!#^%@#$&amp;*</translation>
    </message>
    <message>
        <source>Plasticna operacija bez anestezije!</source>
        <translation>Plastična operacija bez anestezije!</translation>
    </message>
    <message>
        <source>Ahh krvarim...dajte `ultra allways`!</source>
        <translation>Ahh, krvarim... dajte `ultra allways`!</translation>
    </message>
    <message>
        <source>Gilipteru jedan!Dofaticu te ja!</source>
        <translation>Gilipteru jedan! Dofatiću te ja!</translation>
    </message>
    <message>
        <source>Arrghh...ode jos malo mesa...</source>
        <translation>Arrgghh... ode još malo mesa...</translation>
    </message>
    <message>
        <source>Odseko si mi kosu!Ubicu te!!!</source>
        <translation>Kosu mi odseče! Ubiću te!!!</translation>
    </message>
    <message>
        <source>Kah kah...Ispade mi zub...shit.</source>
        <translation>Kah kah... Ispade mi zub... shit.</translation>
    </message>
    <message>
        <source>TI SI LUD!!!! :)</source>
        <translation>OVO JE LUDILO!!!! :)</translation>
    </message>
    <message>
        <source>Ej...ja sam u ovom pravcu :)</source>
        <translation>Ej... ja sam u ovom pravcu :)</translation>
    </message>
    <message>
        <source>Pazi,zamalo komshiju da zakachish!</source>
        <translation>Pazi, zamalo komšiju da zakačiš!</translation>
    </message>
    <message>
        <source>Chuvaj s tim,mozes da se povredis!</source>
        <translation>Čuvaj s tim, možeš da se povrediš!</translation>
    </message>
    <message>
        <source>Idi bre kutji,chuvaj decu,peri vesh...</source>
        <translation>Idi bre kući, čuvaj decu, peri veš...</translation>
    </message>
    <message>
        <source>Miss me miss me now ya gotta kiss me!</source>
        <translation>Miss me miss me now ya gotta kiss me!</translation>
    </message>
    <message>
        <source>Ne valja ti taj optichar kod koga ides.</source>
        <translation>Ne valja ti taj optičar kod koga ideš.</translation>
    </message>
    <message>
        <source>E,kreces se ko baba u kolicima.</source>
        <translation>E, krećeš se ko baba u kolicima.</translation>
    </message>
    <message>
        <source>Zamalo sebi da odseces ledja...</source>
        <translation>Zamalo sebi da odsečeš leđa...</translation>
    </message>
    <message>
        <source>Vise srece sledeci put :)</source>
        <translation>Više sreće sledeći put :)</translation>
    </message>
    <message>
        <source>Aha...odbrana!</source>
        <translation>Aha... odbrana!</translation>
    </message>
    <message>
        <source>Nema leba bez motike!!!</source>
        <translation>Nema leba bez motike!!!</translation>
    </message>
    <message>
        <source>Di tjesh komsho?!</source>
        <translation>Di ćeš, komšo?!</translation>
    </message>
    <message>
        <source>Heheh...kuda kuda ludi dechache?</source>
        <translation>Heheh... kuda kuda, ludi dečače?</translation>
    </message>
    <message>
        <source>E ajmo posle na jedno pivo.</source>
        <translation>E, ajmo posle na jedno pivo.</translation>
    </message>
    <message>
        <source>Klikni na dugme `povlacenje` sledeci put</source>
        <translation>Klikni na dugme `povlačenje` sledeći put</translation>
    </message>
    <message>
        <source>Ej,otkopcan ti slic!</source>
        <translation>Ej, otkopčan ti šlic!</translation>
    </message>
    <message>
        <source>Smor smoor smooooor!!!!</source>
        <translation>Smor smoor smoooor!!!!</translation>
    </message>
    <message>
        <source>Ha...ovo nisi ocekivao garant!</source>
        <translation>Ha... ovo niko ne očekuje, garant!</translation>
    </message>
    <message>
        <source>El da da imam vestine a..a?a???</source>
        <translation>El’ da da imam veštine a..a?a???</translation>
    </message>
    <message>
        <source>da</source>
        <extracomment>The one answer to the spoils&apos; questions that takes them.</extracomment>
        <translation>da</translation>
    </message>
    <message>
        <source>%1 se odbranio shtitom!</source>
        <translation>%1 se brani štitom!</translation>
    </message>
    <message>
        <source>%1 promasuje!</source>
        <translation>%1 promašuje!</translation>
    </message>
    <message>
        <source>%1 parira napad.</source>
        <translation>%1 parira napad.</translation>
    </message>
    <message>
        <source>%1 je pobedio!!</source>
        <translation>%1 pobeđuje!!</translation>
    </message>
    <message>
        <source>Da li zelite da uzmete i %1?</source>
        <extracomment>%1 is the loser&apos;s weapon or shield.</extracomment>
        <translation>Da li želite da uzmete i ovo: %1? Upišite „da“ ako želite.</translation>
    </message>
    <message>
        <source>Da li zelite da uzmete i protivnikov oklop?</source>
        <translation>Da li želite da uzmete i protivnikov oklop? Upišite „da“ ako želite.</translation>
    </message>
    <message>
        <source>%1 je pobegao!!!</source>
        <translation>%1 beži!!!</translation>
    </message>
    <message>
        <source>%1 udara</source>
        <translation>%1 udara</translation>
    </message>
    <message>
        <source>%1 se povlaci</source>
        <translation>%1 se povlači</translation>
    </message>
    <message>
        <source>%1, zdravlje %2, protiv %3, zdravlje %4.</source>
        <translation>%1, zdravlje %2, protiv %3, zdravlje %4.</translation>
    </message>
    <message>
        <source>%1: zdravlje %2.</source>
        <translation>%1: zdravlje %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 udara!%n ostecenja!</source>
        <translation>
            <numerusform>%1 udara! %n oštećenje!</numerusform>
            <numerusform>%1 udara! %n oštećenja!</numerusform>
            <numerusform>%1 udara! %n oštećenja!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dobija %n zlatnika.</source>
        <translation>
            <numerusform>%1 dobija %n zlatnik.</numerusform>
            <numerusform>%1 dobija %n zlatnika.</numerusform>
            <numerusform>%1 dobija %n zlatnika.</numerusform>
        </translation>
    </message>
    <message>
        <source>Da li zelite da uzmete i ?</source>
        <comment>the loser has no weapon</comment>
        <translation>Protivnik nema oružje. Da li želite da i vi ostanete praznih ruku? Upišite „da“ ako želite.</translation>
    </message>
</context>
<context>
    <name>credits</name>
    <message>
        <source>KAVGALIJA! je igra na tabli za dva do cetiri igraca za jednim racunarom. Svako redom baca kocku i obilazi krug od trideset polja: na kovcegu ceka nagrada, na opasnom polju nesreca, a gde se dva junaka sretnu, tu pocinje kavga. U borbi odlucuju kocka, stit, oruzje i jezik, jer se junaci svakim udarcem i zadirkuju. Pobednik je onaj ko skupi tacno onoliko zlatnika koliko je zadato u opcijama, ni zlatnik vise ni manje. Igru su napravili osnivaci malog studija KAVGALIJA!, u C++ jeziku sa bibliotekom Qt, za duge zimske veceri sa drustvom. Slike su nacrtane po uzoru na otvorene zbirke ikona: Fluent Emoji kompanije Microsoft (MIT licenca) i Game-icons.net (autori Lorc, Delapouite i saradnici, licenca CC BY 3.0). Slova su Comic Neue (Craig Rozynski, licenca SIL OFL). Glasovi: Festival (SLT, KAL, Machac), publika: espeak-ng, zvuci: SoX. Hvala svima koji dele svoj rad slobodno! Igrajte posteno, a kad izgubite, ne ljutite se: uvek mozete da kazete da vas je izdao stit.</source>
        <translation>KAVGALIJA! je igra na tabli za dva do četiri igrača za jednim računarom. Svako redom baca kocku i obilazi krug od trideset polja: na kovčegu čeka nagrada, na opasnom polju nesreća, a gde se dva junaka sretnu, tu počinje kavga. U borbi odlučuju kocka, štit, oružje i jezik, jer se junaci svakim udarcem i zadirkuju. Pobednik je onaj ko skupi tačno onoliko zlatnika koliko je zadato u opcijama, ni zlatnik više ni manje. Igru su napravili osnivači malog studija KAVGALIJA!, u C++ jeziku sa bibliotekom Qt, za duge zimske večeri sa društvom. Slike su nacrtane po uzoru na otvorene zbirke ikona: Fluent Emoji kompanije Microsoft (MIT licenca) i Game-icons.net (autori Lorc, Delapouite i saradnici, licenca CC BY 3.0). Ćirilična slova su Andika (SIL International, licenca SIL OFL), latinična Comic Neue (Craig Rozynski, licenca SIL OFL). Glasovi: Festival (SLT, KAL, Machac), publika: espeak-ng, zvuci: SoX. Hvala svima koji dele svoj rad slobodno! Igrajte pošteno, a kad izgubite, ne ljutite se: uvek možete da kažete da vas je izdao štit.</translation>
    </message>
    <message>
        <source>O igri i autoru</source>
        <translation>O igri i autoru</translation>
    </message>
</context>
<context>
    <name>inventar</name>
    <message>
        <source>Inventar</source>
        <translation>Inventar</translation>
    </message>
    <message>
        <source>Oruzje:</source>
        <translation>Oružje:</translation>
    </message>
    <message>
        <source>Oklop</source>
        <translation>Oklop</translation>
    </message>
    <message>
        <source>Stit:</source>
        <translation>Štit:</translation>
    </message>
    <message>
        <source>Zlatnici</source>
        <translation>Zlatnici</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>nema</source>
        <translation>nema</translation>
    </message>
    <message numerus="yes">
        <source>%1 ima %n zlatnika; oruzje: %2; oklop: %3; stit: %4.</source>
        <translation>
            <numerusform>%1 ima %n zlatnik; oružje: %2; oklop: %3; štit: %4.</numerusform>
            <numerusform>%1 ima %n zlatnika; oružje: %2; oklop: %3; štit: %4.</numerusform>
            <numerusform>%1 ima %n zlatnika; oružje: %2; oklop: %3; štit: %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>opasnost</name>
    <message>
        <source>OPASNOST!</source>
        <translation>OPASNOST!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Zbog neopreznog rukovanja polomilo vam se oruzje.</source>
        <translation>Zbog neopreznog rukovanja polomilo vam se oružje.</translation>
    </message>
    <message>
        <source>Oklop vam se raspao na komade...kvalitet,nema sta.</source>
        <translation>Oklop vam se raspao na komade... kvalitet, nema šta.</translation>
    </message>
    <message>
        <source>Pojurio vas pas,pa ste pobegli 3 koraka unazad!</source>
        <translation>Pojurio vas pas, pa ste pobegli 3 koraka unazad!</translation>
    </message>
    <message>
        <source>Uhvatila vas je inkvizicija! Propustate sledeci potez.</source>
        <translation>Uhvatila vas je inkvizicija! Propuštate sledeći potez.</translation>
    </message>
    <message numerus="yes">
        <source>Neko vam je ukrao %n zlatnika.</source>
        <translation>
            <numerusform>Neko vam je ukrao %n zlatnik.</numerusform>
            <numerusform>Neko vam je ukrao %n zlatnika.</numerusform>
            <numerusform>Neko vam je ukrao %n zlatnika.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>opcije</name>
    <message>
        <source>Opcije</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Kraj igre na</source>
        <translation>Kraj igre na</translation>
    </message>
    <message>
        <source>zlatnika.</source>
        <translation>zlatnika.</translation>
    </message>
    <message>
        <source>Nastavi igru</source>
        <translation>Nastavi igru</translation>
    </message>
    <message>
        <source>Kraj igre</source>
        <translation>Kraj igre</translation>
    </message>
    <message>
        <source>Upisite ceo broj zlatnika od -32768 do 32767 (npr. 100).</source>
        <translation>Upišite ceo broj zlatnika od -32768 do 32767 (npr. 100).</translation>
    </message>
    <message>
        <source>Zvuk</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Taster M pali i gasi zvuk u svakom prozoru.</source>
        <translation>Taster M pali i gasi zvuk u svakom prozoru.</translation>
    </message>
    <message>
        <source>Jacina zvuka</source>
        <translation>Jačina zvuka</translation>
    </message>
    <message>
        <source>Jezik</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Brzina racunara</source>
        <translation>Brzina računara</translation>
    </message>
    <message>
        <source>normalna</source>
        <translation>normalna</translation>
    </message>
    <message>
        <source>brza</source>
        <translation>brza</translation>
    </message>
    <message>
        <source>odmah</source>
        <translation>odmah</translation>
    </message>
    <message>
        <source>Pobeda:</source>
        <translation>Pobeda:</translation>
    </message>
    <message>
        <source>Pobeda</source>
        <translation>Pobeda</translation>
    </message>
    <message>
        <source>tacno</source>
        <translation>tačno</translation>
    </message>
    <message>
        <source>najmanje</source>
        <translation>najmanje</translation>
    </message>
    <message>
        <source>tacno: pobeduje ko ima tacno toliko zlatnika; najmanje: ko ima toliko ili vise.</source>
        <translation>tačno: pobeđuje ko ima tačno toliko zlatnika; najmanje: ko ima toliko ili više.</translation>
    </message>
    <message numerus="yes">
        <source>Rundi: oko %n</source>
        <translation>
            <numerusform>Rundi: oko %n</numerusform>
            <numerusform>Rundi: oko %n</numerusform>
            <numerusform>Rundi: oko %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pobeda</name>
    <message>
        <source>Jeeeee!</source>
        <translation>Jeeeee!</translation>
    </message>
    <message>
        <source>JE POBEDNIK!</source>
        <translation>ODNOSI POBEDU!</translation>
    </message>
    <message>
        <source>Izadji</source>
        <translation>Izađi</translation>
    </message>
    <message>
        <source>%1 je pobednik!</source>
        <translation>%1 odnosi pobedu!</translation>
    </message>
</context>
</TS>
