<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="sr_Latn">
<context>
    <name>Accessibility</name>
    <message numerus="yes">
        <source>%1 ima %2 od %n zlatnika.</source>
        <translation>
            <numerusform>%1 has %2 of %n gold coin.</numerusform>
            <numerusform>%1 has %2 of %n gold coins.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Isti brojevi na kocki pri svakom pokretanju.</source>
        <translation>The same dice every run.</translation>
    </message>
    <message>
        <source>Jezik: %1 (original), %2 (latinica), %3 (cirilica) ili %4.</source>
        <extracomment>The codes stay as they are: they are typed after --lang.</extracomment>
        <translation>Language: %1 (the original), %2 (Serbian Latin), %3 (Serbian Cyrillic) or %4.</translation>
    </message>
    <message>
        <source>Nista se ne pamti: ni sacuvana igra ni podesavanja.</source>
        <translation>Keep nothing between runs: no saved game, no remembered settings.</translation>
    </message>
    <message>
        <source>kavgalija: nepoznat jezik %1</source>
        <translation>kavgalija: unknown language %1</translation>
    </message>
    <message>
        <source>kavgalija: seme mora biti ceo broj, ne %1</source>
        <translation>kavgalija: the seed must be a whole number, not %1</translation>
    </message>
</context>
<context>
    <name>ComputerDialogs</name>
    <message>
        <source>ne</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>ComputerSeats</name>
    <message>
        <source>Lako</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Tesko</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Srednje</source>
        <translation>Medium</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Kocka pokazuje %1</source>
        <translation>The die shows %1</translation>
    </message>
    <message>
        <source>Da</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Dnevnik</name>
    <message>
        <source>nista</source>
        <translation>nothing</translation>
    </message>
    <message numerus="yes">
        <source>%1 udara i pogadja, steta: %n (%2: jos %3 zdravlja).</source>
        <translation>
            <numerusform>%1 strikes and hits for %n damage (%2: %3 health left).</numerusform>
            <numerusform>%1 strikes and hits for %n damage (%2: %3 health left).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 udara i promasuje.</source>
        <translation>%1 strikes and misses.</translation>
    </message>
    <message>
        <source>%1 udara, a %2 se brani stitom.</source>
        <translation>%1 strikes; %2 blocks with a shield.</translation>
    </message>
    <message>
        <source>%1 udara, a %2 odbija udarac.</source>
        <translation>%1 strikes; %2 parries the blow.</translation>
    </message>
    <message>
        <source>%1 lomi oruzje.</source>
        <translation>%1&apos;s weapon breaks.</translation>
    </message>
    <message>
        <source>%1 ostaje bez oklopa.</source>
        <translation>%1&apos;s armour falls apart.</translation>
    </message>
    <message>
        <source>%1 bezi od psa: nazad za 3, na polje %2.</source>
        <translation>A dog chases %1 3 squares back, to square %2.</translation>
    </message>
    <message numerus="yes">
        <source>Lopov! %1 gubi zlatnika: %n.</source>
        <translation>
            <numerusform>A thief! %1 loses %n gold coin.</numerusform>
            <numerusform>A thief! %1 loses %n gold coins.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 pada u ruke inkvizicije i propusta sledeci potez.</source>
        <translation>The Inquisition seizes %1, who will miss the next turn.</translation>
    </message>
    <message>
        <source>Pocinje nova igra.</source>
        <translation>A new game begins.</translation>
    </message>
    <message>
        <source>%1 propusta potez zbog inkvizicije.</source>
        <translation>%1 misses a turn to the Inquisition.</translation>
    </message>
    <message numerus="yes">
        <source>%1 pobeduje! Zlatnika: %n.</source>
        <translation>
            <numerusform>%1 wins with %n gold coin!</numerusform>
            <numerusform>%1 wins with %n gold coins!</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 baca %2 i staje na polje %3.</source>
        <translation>%1 rolls %2 and lands on square %3.</translation>
    </message>
    <message>
        <source>%1 i %2 su na istom polju: borba!</source>
        <translation>%1 and %2 meet on one square: a fight!</translation>
    </message>
    <message numerus="yes">
        <source>%1 nalazi zlatnik (zlatnika: %n).</source>
        <translation>
            <numerusform>%1 finds a gold coin (%n in all).</numerusform>
            <numerusform>%1 finds a gold coin (%n in all).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 uzima blago (zlatnika: %n).</source>
        <translation>
            <numerusform>%1 takes the treasure: %n gold coin.</numerusform>
            <numerusform>%1 takes the treasure: %n gold coins.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uzima: %2.</source>
        <translation>%1 takes: %2.</translation>
    </message>
    <message>
        <source>%1 ostavlja: %2.</source>
        <translation>%1 leaves: %2.</translation>
    </message>
    <message>
        <source>%2 pada, %1 pobeduje u borbi.</source>
        <translation>%2 falls; %1 wins the fight.</translation>
    </message>
    <message>
        <source>%1 uzima plen: %2.</source>
        <translation>%1 takes the spoils: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 osvaja zlatnika: %n, a %2 pocinje ispocetka.</source>
        <translation>
            <numerusform>%1 wins %n gold coin; %2 starts again from nothing.</numerusform>
            <numerusform>%1 wins %n gold coins; %2 starts again from nothing.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 bezi iz borbe: nazad za %n, na polje %2.</source>
        <translation>
            <numerusform>%1 flees the fight: %n square back, to square %2.</numerusform>
            <numerusform>%1 flees the fight: %n squares back, to square %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Runda %1: %2</source>
        <translation>Round %1: %2</translation>
    </message>
    <message>
        <source>Dnevnik</source>
        <translation>Log</translation>
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
        <translation>Board</translation>
    </message>
    <message>
        <source>Na potezu:</source>
        <translation>Now playing:</translation>
    </message>
    <message>
        <source>Baci kocku</source>
        <translation>Roll the die</translation>
    </message>
    <message>
        <source>Baci kocku (R)</source>
        <translation>Roll the die (R)</translation>
    </message>
    <message>
        <source>Opcije</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Inventar</source>
        <translation>Inventory</translation>
    </message>
    <message>
        <source>polje</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>kovceg</source>
        <translation>chest</translation>
    </message>
    <message>
        <source>zlatnik</source>
        <translation>coin</translation>
    </message>
    <message>
        <source>opasnost</source>
        <translation>danger</translation>
    </message>
    <message>
        <source>Polje %1: %2</source>
        <translation>Square %1: %2</translation>
    </message>
    <message>
        <source>Na potezu: %1</source>
        <translation>Now playing: %1</translation>
    </message>
    <message>
        <source>Na potezu je %1,ali njega trenutno muchi inkvizicija...</source>
        <translation>It&apos;s %1&apos;s turn, but the Inquisition is still busy tormenting them...</translation>
    </message>
    <message>
        <source>Nasli ste jedan zlatnik!</source>
        <translation>You found a gold coin!</translation>
    </message>
    <message>
        <source>Tabla</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Dnevnik</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Dnevnik (D)</source>
        <translation>Log (D)</translation>
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
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>AUTOR</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>KRAJ</source>
        <translation>QUIT</translation>
    </message>
    <message>
        <source>Napravio studio KAVGALIJA! za duge zimske veceri.</source>
        <translation>Made by studio KAVGALIJA! for long winter evenings.</translation>
    </message>
    <message>
        <source>NASTAVI</source>
        <extracomment>Continues the saved game.</extracomment>
        <translation>CONTINUE</translation>
    </message>
    <message>
        <source>Zapoceti novu igru? Sacuvana igra ce biti izgubljena.</source>
        <translation>Start a new game? The saved game will be lost.</translation>
    </message>
    <message>
        <source>Sacuvana igra ne moze da se procita, pa je sklonjena u stranu: %1</source>
        <translation>The saved game cannot be read, so it has been put aside in: %1</translation>
    </message>
</context>
<context>
    <name>Items</name>
    <message>
        <source>Odelo</source>
        <translation>Plain clothes</translation>
    </message>
    <message>
        <source>Mantija</source>
        <translation>Robe</translation>
    </message>
    <message>
        <source>Kozni oklop</source>
        <translation>Leather armour</translation>
    </message>
    <message>
        <source>Lancani oklop</source>
        <translation>Chain mail</translation>
    </message>
    <message>
        <source>Plochanik</source>
        <translation>Plate armour</translation>
    </message>
    <message>
        <source>dagger</source>
        <translation>dagger</translation>
    </message>
    <message>
        <source>sword</source>
        <translation>sword</translation>
    </message>
    <message>
        <source>axe</source>
        <translation>axe</translation>
    </message>
    <message>
        <source>spear</source>
        <translation>spear</translation>
    </message>
    <message>
        <source>plavi stit</source>
        <translation>blue shield</translation>
    </message>
    <message>
        <source>crveni stit</source>
        <translation>red shield</translation>
    </message>
    <message>
        <source>Bodez je oruzje lopova.Lako se moze sakriti za pojas,ali je beskorisno protiv jacih oklopa.</source>
        <translation>The dagger is a thief&apos;s weapon. Easy to tuck into your belt, but useless against heavier armour.</translation>
    </message>
    <message>
        <source>Mac je klasicno oruzje ratnika.Precizan i ostar dobar je za sve situacije u borbi.</source>
        <translation>The sword is the warrior&apos;s classic weapon. Precise and sharp, it&apos;s good for every situation in a fight.</translation>
    </message>
    <message>
        <source>Sekira je oruzje varvara.Ovo nemilosrdno oruzje probija i najjace oklope.</source>
        <translation>The axe is the barbarian&apos;s weapon. This merciless weapon cuts through even the strongest armour.</translation>
    </message>
    <message>
        <source>Ovo koplje su koristile falange hoplita u staroj grckoj.Posebno je ojacano za borbu sa jakim protivnicima.</source>
        <translation>The hoplite phalanxes of ancient Greece fought with this spear. It is specially reinforced for strong opponents.</translation>
    </message>
    <message>
        <source>Nije sve u zlatu neki kazu...mada vecina toga jeste.Nasli ste blago!</source>
        <translation>Gold isn&apos;t everything, some say... though most things are. You found treasure!</translation>
    </message>
    <message>
        <source>Opusteno i lagano odelo za leto.Mantija...</source>
        <translation>A relaxed, light outfit for the summer. A robe...</translation>
    </message>
    <message>
        <source>Kozna jakna.Stiti od strela,ali slab otpor tezem cheliku.</source>
        <translation>A leather jacket. It stops arrows, but heavier steel goes right through.</translation>
    </message>
    <message>
        <source>Napravljen od sitnih pletenih lanaca ovaj oklop je pravi otpor za sve.</source>
        <translation>Woven from tiny chain links, this armour stands up to anything.</translation>
    </message>
    <message>
        <source>Najjaci od svih oklopa,ovaj oklop od celicnih plocha je najbolja stvar za vas!</source>
        <translation>The strongest armour of all: these steel plates are the best thing for you!</translation>
    </message>
    <message>
        <source>Ukoliko uspete da se odbranite plavim stitom,procicete bez ogrebotine!</source>
        <translation>If you manage to block with the blue shield, you&apos;ll get away without a scratch!</translation>
    </message>
    <message>
        <source>Crveni stit je duplo bolji od plavog stita!Vece sanse su da se odbranite!</source>
        <translation>The red shield is twice as good as the blue one! You&apos;ll block a lot more often!</translation>
    </message>
    <message>
        <source>blago</source>
        <translation>treasure</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>Zapamcena podesavanja ne mogu da se procitaju, pa su sklonjena u stranu.</source>
        <translation>The saved settings cannot be read, so they have been put aside.</translation>
    </message>
</context>
<context>
    <name>Kreiranje</name>
    <message>
        <source>Ime</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kreiranje igraca</source>
        <translation>Create players</translation>
    </message>
    <message>
        <source>Igrac br</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Zvucna tema:</source>
        <translation>Sound theme:</translation>
    </message>
    <message>
        <source>Zvucna tema</source>
        <translation>Sound theme</translation>
    </message>
    <message>
        <source>Prethodni lik</source>
        <translation>Previous portrait</translation>
    </message>
    <message>
        <source>Sledeci lik</source>
        <translation>Next portrait</translation>
    </message>
    <message>
        <source>Musko</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Zensko</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>SLEDECI</source>
        <translation>NEXT</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Portret %1 od %2</source>
        <translation>Portrait %1 of %2</translation>
    </message>
    <message>
        <source>Ime igraca %1</source>
        <translation>Name of player %1</translation>
    </message>
    <message>
        <source>Igrac br %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Racunar</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Racunar %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>zvuk</source>
        <extracomment>The folder of all the sound themes, at the top of the list.</extracomment>
        <translation>Sound themes</translation>
    </message>
    <message>
        <source>..</source>
        <extracomment>Back up to the folder of all the themes.</extracomment>
        <translation>(back)</translation>
    </message>
    <message>
        <source>american</source>
        <translation>American</translation>
    </message>
    <message>
        <source>patuljak</source>
        <translation>Dwarf</translation>
    </message>
    <message>
        <source>srpski</source>
        <translation>Serbian</translation>
    </message>
    <message>
        <source>Snaga racunara</source>
        <translation>Computer strength</translation>
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
        <translation>none</translation>
    </message>
    <message>
        <source>Na tabli i u borbi: P ponavlja poslednju poruku, D otvara dnevnik, Z kaze zlato svih igraca, N kaze ko je na potezu.</source>
        <translation>On the board and in a fight: P repeats the last message, D opens the log, Z tells everyone&apos;s gold, N tells whose turn it is.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (racunar, %4): %2 od %n zlatnika, polje %3.</source>
        <translation>
            <numerusform>%1 (computer, %4): %2 of %n gold coin, square %3.</numerusform>
            <numerusform>%1 (computer, %4): %2 of %n gold coins, square %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 od %n zlatnika, polje %3.</source>
        <translation>
            <numerusform>%1: %2 of %n gold coin, square %3.</numerusform>
            <numerusform>%1: %2 of %n gold coins, square %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Na potezu: %1. Zlatnika: %2 od %n; oruzje: %3; oklop: %4; stit: %5; zdravlje: %6.</source>
        <translation>
            <numerusform>Now playing: %1. Gold: %2 of %n; weapon: %3; armour: %4; shield: %5; health: %6.</numerusform>
            <numerusform>Now playing: %1. Gold: %2 of %n; weapon: %3; armour: %4; shield: %5; health: %6.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Nagrade</name>
    <message>
        <source>Nagrada!</source>
        <translation>Reward!</translation>
    </message>
    <message>
        <source>Uzmi</source>
        <translation>Take it</translation>
    </message>
    <message>
        <source>Ostavi</source>
        <translation>Leave it</translation>
    </message>
    <message>
        <source>%1 uzima: %2.</source>
        <translation>%1 takes: %2.</translation>
    </message>
    <message>
        <source>%1 ostavlja: %2.</source>
        <translation>%1 leaves: %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Displays help on commandline options.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Displays help including Qt specific options.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unknown options: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Missing value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unexpected value after &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RacePanel</name>
    <message>
        <source>racunar</source>
        <translation>computer</translation>
    </message>
    <message numerus="yes">
        <source>%1, racunar, %2 od %n zlatnika, na potezu</source>
        <translation>
            <numerusform>%1, computer, %2 of %n gold coin, playing now</numerusform>
            <numerusform>%1, computer, %2 of %n gold coins, playing now</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, racunar, %2 od %n zlatnika</source>
        <translation>
            <numerusform>%1, computer, %2 of %n gold coin</numerusform>
            <numerusform>%1, computer, %2 of %n gold coins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 od %n zlatnika, na potezu</source>
        <translation>
            <numerusform>%1, %2 of %n gold coin, playing now</numerusform>
            <numerusform>%1, %2 of %n gold coins, playing now</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 od %n zlatnika</source>
        <translation>
            <numerusform>%1, %2 of %n gold coin</numerusform>
            <numerusform>%1, %2 of %n gold coins</numerusform>
        </translation>
    </message>
    <message>
        <source>, igra %1</source>
        <translation>, %1 level</translation>
    </message>
</context>
<context>
    <name>Ui</name>
    <message>
        <source>Portret: %1</source>
        <translation>Portrait: %1</translation>
    </message>
</context>
<context>
    <name>borba</name>
    <message>
        <source>Borba</source>
        <translation>Fight</translation>
    </message>
    <message>
        <source>Zdravlje</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>Protiv</source>
        <translation>Versus</translation>
    </message>
    <message>
        <source>Udri</source>
        <translation>Strike</translation>
    </message>
    <message>
        <source>Povlacenje</source>
        <translation>Retreat</translation>
    </message>
    <message>
        <source>Hehe,ja sam bio pametan pa kupio stit!</source>
        <translation>Hehe, I was smart enough to buy a shield!</translation>
    </message>
    <message>
        <source>Kuku al si se odbio ko muda od labuda!</source>
        <translation>Boing! You bounced off like a rubber chicken!</translation>
    </message>
    <message>
        <source>NJANJANANANJAAAA!</source>
        <translation>NYAH NYAH NYAH NYAAAH!</translation>
    </message>
    <message>
        <source>Di ti bre ochi?</source>
        <translation>Where are your eyes, man?</translation>
    </message>
    <message>
        <source>Di ces glavom o zid komsija?</source>
        <translation>Going head first into the wall, neighbour?</translation>
    </message>
    <message>
        <source>Jace bre to...ne osetih nista...</source>
        <translation>Harder, man... I didn&apos;t feel a thing...</translation>
    </message>
    <message>
        <source>Pa ako iseces taj stit svaka ti cast.</source>
        <translation>Cut through that shield and I&apos;ll take my hat off to you.</translation>
    </message>
    <message>
        <source>Pazi,ce da polomis oruzje :)</source>
        <translation>Careful, you&apos;ll break your weapon :)</translation>
    </message>
    <message>
        <source>Sta bre pravis tolku buku!? :)</source>
        <translation>What&apos;s all that racket, man!? :)</translation>
    </message>
    <message>
        <source>e al s` ti brljiv neki stvor..</source>
        <translation>man, you&apos;re one clumsy creature..</translation>
    </message>
    <message>
        <source>Kuukuuu!!!</source>
        <translation>Oooowww!!!</translation>
    </message>
    <message>
        <source>Platices mi za ovo!!!!!</source>
        <translation>You&apos;ll pay for this!!!!!</translation>
    </message>
    <message>
        <source>Neeee tu..tu sam se operis`o!!!!</source>
        <translation>Nooo, not there.. I just had surgery there!!!!</translation>
    </message>
    <message>
        <source>Joj...iskasapi me!#^%@#$&amp;*</source>
        <translation>Ow... you butchered me!#^%@#$&amp;*</translation>
    </message>
    <message>
        <source>Plasticna operacija bez anestezije!</source>
        <translation>Plastic surgery without anaesthetic!</translation>
    </message>
    <message>
        <source>Ahh krvarim...dajte `ultra allways`!</source>
        <translation>Ahh, I&apos;m bleeding... pass the `ultra allways`!</translation>
    </message>
    <message>
        <source>Gilipteru jedan!Dofaticu te ja!</source>
        <translation>You big lummox! I&apos;ll get you!</translation>
    </message>
    <message>
        <source>Arrghh...ode jos malo mesa...</source>
        <translation>Arrghh... there goes a bit more flesh...</translation>
    </message>
    <message>
        <source>Odseko si mi kosu!Ubicu te!!!</source>
        <translation>You cut my hair off! I&apos;ll kill you!!!</translation>
    </message>
    <message>
        <source>Kah kah...Ispade mi zub...shit.</source>
        <translation>Cough cough... my tooth fell out... shit.</translation>
    </message>
    <message>
        <source>TI SI LUD!!!! :)</source>
        <translation>YOU&apos;RE NUTS!!!! :)</translation>
    </message>
    <message>
        <source>Ej...ja sam u ovom pravcu :)</source>
        <translation>Hey... I&apos;m over here :)</translation>
    </message>
    <message>
        <source>Pazi,zamalo komshiju da zakachish!</source>
        <translation>Careful, you nearly hit the neighbour!</translation>
    </message>
    <message>
        <source>Chuvaj s tim,mozes da se povredis!</source>
        <translation>Careful with that, you could hurt yourself!</translation>
    </message>
    <message>
        <source>Idi bre kutji,chuvaj decu,peri vesh...</source>
        <translation>Go home, man, mind the kids, do the laundry...</translation>
    </message>
    <message>
        <source>Miss me miss me now ya gotta kiss me!</source>
        <translation>Miss me miss me now ya gotta kiss me!</translation>
    </message>
    <message>
        <source>Ne valja ti taj optichar kod koga ides.</source>
        <translation>That optician of yours is no good.</translation>
    </message>
    <message>
        <source>E,kreces se ko baba u kolicima.</source>
        <translation>Man, you move like a granny in a wheelchair.</translation>
    </message>
    <message>
        <source>Zamalo sebi da odseces ledja...</source>
        <translation>You nearly cut your own back off...</translation>
    </message>
    <message>
        <source>Vise srece sledeci put :)</source>
        <translation>Better luck next time :)</translation>
    </message>
    <message>
        <source>Aha...odbrana!</source>
        <translation>Aha... parried!</translation>
    </message>
    <message>
        <source>Nema leba bez motike!!!</source>
        <translation>No pain, no gain!!!</translation>
    </message>
    <message>
        <source>Di tjesh komsho?!</source>
        <translation>Where d&apos;you think you&apos;re going, neighbour?!</translation>
    </message>
    <message>
        <source>Heheh...kuda kuda ludi dechache?</source>
        <translation>Heheh... where to, where to, crazy kid?</translation>
    </message>
    <message>
        <source>E ajmo posle na jedno pivo.</source>
        <translation>Hey, let&apos;s grab a beer after this.</translation>
    </message>
    <message>
        <source>Klikni na dugme `povlacenje` sledeci put</source>
        <translation>Click the `Retreat` button next time</translation>
    </message>
    <message>
        <source>Ej,otkopcan ti slic!</source>
        <translation>Hey, your fly is open!</translation>
    </message>
    <message>
        <source>Smor smoor smooooor!!!!</source>
        <translation>Boring, booring, boooooring!!!!</translation>
    </message>
    <message>
        <source>Ha...ovo nisi ocekivao garant!</source>
        <translation>Ha... bet you didn&apos;t see that coming!</translation>
    </message>
    <message>
        <source>El da da imam vestine a..a?a???</source>
        <translation>Told ya I&apos;ve got skills, eh..eh?eh???</translation>
    </message>
    <message>
        <source>da</source>
        <extracomment>The one answer to the spoils&apos; questions that takes them.</extracomment>
        <translation>yes</translation>
    </message>
    <message>
        <source>%1 se odbranio shtitom!</source>
        <translation>%1 blocks it with the shield!</translation>
    </message>
    <message>
        <source>%1 promasuje!</source>
        <translation>%1 misses!</translation>
    </message>
    <message>
        <source>%1 parira napad.</source>
        <translation>%1 parries the blow.</translation>
    </message>
    <message>
        <source>%1 je pobedio!!</source>
        <translation>%1 wins!!</translation>
    </message>
    <message>
        <source>Da li zelite da uzmete i %1?</source>
        <extracomment>%1 is the loser&apos;s weapon or shield.</extracomment>
        <translation>Do you want to take the %1 too? Type yes if you do.</translation>
    </message>
    <message>
        <source>Da li zelite da uzmete i protivnikov oklop?</source>
        <translation>Do you want to take your opponent&apos;s armour too? Type yes if you do.</translation>
    </message>
    <message>
        <source>%1 je pobegao!!!</source>
        <translation>%1 runs away!!!</translation>
    </message>
    <message>
        <source>%1 udara</source>
        <translation>%1 strikes</translation>
    </message>
    <message>
        <source>%1 se povlaci</source>
        <translation>%1 retreats</translation>
    </message>
    <message>
        <source>%1, zdravlje %2, protiv %3, zdravlje %4.</source>
        <translation>%1, health %2, versus %3, health %4.</translation>
    </message>
    <message>
        <source>%1: zdravlje %2.</source>
        <translation>%1: health %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 udara!%n ostecenja!</source>
        <translation>
            <numerusform>%1 hits! %n point of damage!</numerusform>
            <numerusform>%1 hits! %n points of damage!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dobija %n zlatnika.</source>
        <translation>
            <numerusform>%1 gets %n gold coin.</numerusform>
            <numerusform>%1 gets %n gold coins.</numerusform>
        </translation>
    </message>
    <message>
        <source>Da li zelite da uzmete i ?</source>
        <comment>the loser has no weapon</comment>
        <translation>Your opponent has no weapon. Do you want to be empty-handed too? Type yes if you do.</translation>
    </message>
</context>
<context>
    <name>credits</name>
    <message>
        <source>KAVGALIJA! je igra na tabli za dva do cetiri igraca za jednim racunarom. Svako redom baca kocku i obilazi krug od trideset polja: na kovcegu ceka nagrada, na opasnom polju nesreca, a gde se dva junaka sretnu, tu pocinje kavga. U borbi odlucuju kocka, stit, oruzje i jezik, jer se junaci svakim udarcem i zadirkuju. Pobednik je onaj ko skupi tacno onoliko zlatnika koliko je zadato u opcijama, ni zlatnik vise ni manje. Igru su napravili osnivaci malog studija KAVGALIJA!, u C++ jeziku sa bibliotekom Qt, za duge zimske veceri sa drustvom. Slike su nacrtane po uzoru na otvorene zbirke ikona: Fluent Emoji kompanije Microsoft (MIT licenca) i Game-icons.net (autori Lorc, Delapouite i saradnici, licenca CC BY 3.0). Slova su Comic Neue (Craig Rozynski, licenca SIL OFL). Glasovi: Festival (SLT, KAL, Machac), publika: espeak-ng, zvuci: SoX. Hvala svima koji dele svoj rad slobodno! Igrajte posteno, a kad izgubite, ne ljutite se: uvek mozete da kazete da vas je izdao stit.</source>
        <translation>KAVGALIJA! is a board game for two to four players at one computer. In turn, each rolls the die and walks a ring of thirty squares: a reward waits on a chest, a mishap on a danger square, and wherever two heroes meet, a brawl begins. Fights are decided by the die, the shield, the weapon and the tongue, for the heroes taunt each other with every blow. The winner is whoever gathers exactly as much gold as the options ask for, not a coin more or less. The game was made by the founders of the small studio KAVGALIJA!, in C++ with the Qt library, for long winter evenings with friends. The pictures were drawn after open icon collections: Microsoft&apos;s Fluent Emoji (MIT licence) and Game-icons.net (by Lorc, Delapouite and contributors, licence CC BY 3.0). The lettering is Comic Neue (Craig Rozynski, SIL OFL licence). Voices: Festival (SLT, KAL, Machac), crowd: espeak-ng, sounds: SoX. Thanks to everyone who shares their work freely! Play fair, and when you lose, don&apos;t be cross: you can always say your shield let you down.</translation>
    </message>
    <message>
        <source>O igri i autoru</source>
        <translation>About the game and its author</translation>
    </message>
</context>
<context>
    <name>inventar</name>
    <message>
        <source>Inventar</source>
        <translation>Inventory</translation>
    </message>
    <message>
        <source>Oruzje:</source>
        <translation>Weapon:</translation>
    </message>
    <message>
        <source>Oklop</source>
        <translation>Armour</translation>
    </message>
    <message>
        <source>Stit:</source>
        <translation>Shield:</translation>
    </message>
    <message>
        <source>Zlatnici</source>
        <translation>Gold coins</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>nema</source>
        <translation>none</translation>
    </message>
    <message numerus="yes">
        <source>%1 ima %n zlatnika; oruzje: %2; oklop: %3; stit: %4.</source>
        <translation>
            <numerusform>%1 has %n gold coin; weapon: %2; armour: %3; shield: %4.</numerusform>
            <numerusform>%1 has %n gold coins; weapon: %2; armour: %3; shield: %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>opasnost</name>
    <message>
        <source>OPASNOST!</source>
        <translation>DANGER!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zbog neopreznog rukovanja polomilo vam se oruzje.</source>
        <translation>Careless handling broke your weapon.</translation>
    </message>
    <message>
        <source>Oklop vam se raspao na komade...kvalitet,nema sta.</source>
        <translation>Your armour fell to pieces... fine workmanship, no doubt.</translation>
    </message>
    <message>
        <source>Pojurio vas pas,pa ste pobegli 3 koraka unazad!</source>
        <translation>A dog chased you, so you ran 3 squares back!</translation>
    </message>
    <message>
        <source>Uhvatila vas je inkvizicija! Propustate sledeci potez.</source>
        <translation>The Inquisition got you! You miss your next turn.</translation>
    </message>
    <message numerus="yes">
        <source>Neko vam je ukrao %n zlatnika.</source>
        <translation>
            <numerusform>Someone stole %n gold coin from you.</numerusform>
            <numerusform>Someone stole %n gold coins from you.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>opcije</name>
    <message>
        <source>Opcije</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Kraj igre na</source>
        <translation>Game ends at</translation>
    </message>
    <message>
        <source>zlatnika.</source>
        <translation>gold coins.</translation>
    </message>
    <message>
        <source>Nastavi igru</source>
        <translation>Back to the game</translation>
    </message>
    <message>
        <source>Kraj igre</source>
        <translation>Quit the game</translation>
    </message>
    <message>
        <source>Upisite ceo broj zlatnika od -32768 do 32767 (npr. 100).</source>
        <translation>Enter a whole number of gold coins from -32768 to 32767 (e.g. 100).</translation>
    </message>
    <message>
        <source>Zvuk</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Taster M pali i gasi zvuk u svakom prozoru.</source>
        <translation>The M key turns the sound on and off in every window.</translation>
    </message>
    <message>
        <source>Jacina zvuka</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Jezik</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Brzina racunara</source>
        <translation>Computer speed</translation>
    </message>
    <message>
        <source>normalna</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>brza</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>odmah</source>
        <translation>at once</translation>
    </message>
    <message>
        <source>Pobeda:</source>
        <translation>Win:</translation>
    </message>
    <message>
        <source>Pobeda</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>tacno</source>
        <translation>exactly</translation>
    </message>
    <message>
        <source>najmanje</source>
        <translation>at least</translation>
    </message>
    <message>
        <source>tacno: pobeduje ko ima tacno toliko zlatnika; najmanje: ko ima toliko ili vise.</source>
        <translation>exactly: whoever holds exactly that much gold wins; at least: whoever holds that much or more.</translation>
    </message>
    <message numerus="yes">
        <source>Rundi: oko %n</source>
        <translation>
            <numerusform>about %n round</numerusform>
            <numerusform>about %n rounds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pobeda</name>
    <message>
        <source>Jeeeee!</source>
        <translation>Yeeeees!</translation>
    </message>
    <message>
        <source>JE POBEDNIK!</source>
        <translation>IS THE WINNER!</translation>
    </message>
    <message>
        <source>Izadji</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>%1 je pobednik!</source>
        <translation>%1 is the winner!</translation>
    </message>
</context>
</TS>
