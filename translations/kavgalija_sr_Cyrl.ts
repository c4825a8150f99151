<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="sr_Latn">
<context>
    <name>Accessibility</name>
    <message numerus="yes">
        <source>%1 ima %2 od %n zlatnika.</source>
        <translation>
            <numerusform>%1 има %2 од %n златника.</numerusform>
            <numerusform>%1 има %2 од %n златника.</numerusform>
            <numerusform>%1 има %2 од %n златника.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Isti brojevi na kocki pri svakom pokretanju.</source>
        <translation>Исти бројеви на коцки при сваком покретању.</translation>
    </message>
    <message>
        <source>Jezik: %1 (original), %2 (latinica), %3 (cirilica) ili %4.</source>
        <extracomment>The codes stay as they are: they are typed after --lang.</extracomment>
        <translation>Језик: %1 (оригинал), %2 (латиница), %3 (ћирилица) или %4.</translation>
    </message>
    <message>
        <source>Nista se ne pamti: ni sacuvana igra ni podesavanja.</source>
        <translation>Ништа се не памти: ни сачувана игра ни подешавања.</translation>
    </message>
    <message>
        <source>kavgalija: nepoznat jezik %1</source>
        <translation>kavgalija: непознат језик %1</translation>
    </message>
    <message>
        <source>kavgalija: seme mora biti ceo broj, ne %1</source>
        <translation>kavgalija: семе мора бити цео број, не %1</translation>
    </message>
</context>
<context>
    <name>ComputerDialogs</name>
    <message>
        <source>ne</source>
        <translation>не</translation>
    </message>
</context>
<context>
    <name>ComputerSeats</name>
    <message>
        <source>Lako</source>
        <translation>Лако</translation>
    </message>
    <message>
        <source>Tesko</source>
        <translation>Тешко</translation>
    </message>
    <message>
        <source>Srednje</source>
        <translation>Средње</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>KAVGALIJA!</source>
        <translation>КАВГАЛИЈА!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Kocka pokazuje %1</source>
        <translation>Коцка показује %1</translation>
    </message>
    <message>
        <source>Da</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>Не</translation>
    </message>
</context>
<context>
    <name>Dnevnik</name>
    <message>
        <source>nista</source>
        <translation>ништа</translation>
    </message>
    <message numerus="yes">
        <source>%1 udara i pogadja, steta: %n (%2: jos %3 zdravlja).</source>
        <translation>
            <numerusform>%1 удара и погађа, штета: %n (%2: још %3 здравља).</numerusform>
            <numerusform>%1 удара и погађа, штета: %n (%2: још %3 здравља).</numerusform>
            <numerusform>%1 удара и погађа, штета: %n (%2: још %3 здравља).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 udara i promasuje.</source>
        <translation>%1 удара и промашује.</translation>
    </message>
    <message>
        <source>%1 udara, a %2 se brani stitom.</source>
        <translation>%1 удара, а %2 се брани штитом.</translation>
    </message>
    <message>
        <source>%1 udara, a %2 odbija udarac.</source>
        <translation>%1 удара, а %2 одбија ударац.</translation>
    </message>
    <message>
        <source>%1 lomi oruzje.</source>
        <translation>%1 ломи оружје.</translation>
    </message>
    <message>
        <source>%1 ostaje bez oklopa.</source>
        <translation>%1 остаје без оклопа.</translation>
    </message>
    <message>
        <source>%1 bezi od psa: nazad za 3, na polje %2.</source>
        <translation>%1 бежи од пса: назад за 3, на поље %2.</translation>
    </message>
    <message numerus="yes">
        <source>Lopov! %1 gubi zlatnika: %n.</source>
        <translation>
            <numerusform>Лопов! %1 губи %n златник.</numerusform>
            <numerusform>Лопов! %1 губи %n златника.</numerusform>
            <numerusform>Лопов! %1 губи %n златника.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 pada u ruke inkvizicije i propusta sledeci potez.</source>
        <translation>%1 пада у руке инквизиције и пропушта следећи потез.</translation>
    </message>
    <message>
        <source>Pocinje nova igra.</source>
        <translation>Почиње нова игра.</translation>
    </message>
    <message>
        <source>%1 propusta potez zbog inkvizicije.</source>
        <translation>%1 пропушта потез због инквизиције.</translation>
    </message>
    <message numerus="yes">
        <source>%1 pobeduje! Zlatnika: %n.</source>
        <translation>
            <numerusform>%1 побеђује са %n златником!</numerusform>
            <numerusform>%1 побеђује са %n златника!</numerusform>
            <numerusform>%1 побеђује са %n златника!</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 baca %2 i staje na polje %3.</source>
        <translation>%1 баца %2 и стаје на поље %3.</translation>
    </message>
    <message>
        <source>%1 i %2 su na istom polju: borba!</source>
        <translation>%1 и %2 су на истом пољу: борба!</translation>
    </message>
    <message numerus="yes">
        <source>%1 nalazi zlatnik (zlatnika: %n).</source>
        <translation>
            <numerusform>%1 налази златник (укупно %n).</numerusform>
            <numerusform>%1 налази златник (укупно %n).</numerusform>
            <numerusform>%1 налази златник (укупно %n).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 uzima blago (zlatnika: %n).</source>
        <translation>
            <numerusform>%1 узима благо: %n златник.</numerusform>
            <numerusform>%1 узима благо: %n златника.</numerusform>
            <numerusform>%1 узима благо: %n златника.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uzima: %2.</source>
        <translation>%1 узима: %2.</translation>
    </message>
    <message>
        <source>%1 ostavlja: %2.</source>
        <translation>%1 оставља: %2.</translation>
    </message>
    <message>
        <source>%2 pada, %1 pobeduje u borbi.</source>
        <translation>%2 пада, %1 побеђује у борби.</translation>
    </message>
    <message>
        <source>%1 uzima plen: %2.</source>
        <translation>%1 узима плен: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 osvaja zlatnika: %n, a %2 pocinje ispocetka.</source>
        <translation>
            <numerusform>%1 осваја %n златник, а %2 почиње испочетка.</numerusform>
            <numerusform>%1 осваја %n златника, а %2 почиње испочетка.</numerusform>
            <numerusform>%1 осваја %n златника, а %2 почиње испочетка.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 bezi iz borbe: nazad za %n, na polje %2.</source>
        <translation>
            <numerusform>%1 бежи из борбе: назад за %n, на поље %2.</numerusform>
            <numerusform>%1 бежи из борбе: назад за %n, на поље %2.</numerusform>
            <numerusform>%1 бежи из борбе: назад за %n, на поље %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Runda %1: %2</source>
        <translation>Рунда %1: %2</translation>
    </message>
    <message>
        <source>Dnevnik</source>
        <translation>Дневник</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Form1</source>
        <translation>Табла</translation>
    </message>
    <message>
        <source>Na potezu:</source>
        <translation>На потезу:</translation>
    </message>
    <message>
        <source>Baci kocku</source>
        <translation>Баци коцку</translation>
    </message>
    <message>
        <source>Baci kocku (R)</source>
        <translation>Баци коцку (R)</translation>
    </message>
    <message>
        <source>Opcije</source>
        <translation>Опције</translation>
    </message>
    <message>
        <source>Inventar</source>
        <translation>Инвентар</translation>
    </message>
    <message>
        <source>polje</source>
        <translation>празно</translation>
    </message>
    <message>
        <source>kovceg</source>
        <translation>ковчег</translation>
    </message>
    <message>
        <source>zlatnik</source>
        <translation>златник</translation>
    </message>
    <message>
        <source>opasnost</source>
        <translation>опасност</translation>
    </message>
    <message>
        <source>Polje %1: %2</source>
        <translation>Поље %1: %2</translation>
    </message>
    <message>
        <source>Na potezu: %1</source>
        <translation>На потезу: %1</translation>
    </message>
    <message>
        <source>Na potezu je %1,ali njega trenutno muchi inkvizicija...</source>
        <translation>На потезу је %1, али тренутно у рукама инквизиције...</translation>
    </message>
    <message>
        <source>Nasli ste jedan zlatnik!</source>
        <translation>Нашли сте један златник!</translation>
    </message>
    <message>
        <source>Tabla</source>
        <translation>Табла</translation>
    </message>
    <message>
        <source>Dnevnik</source>
        <translation>Дневник</translation>
    </message>
    <message>
        <source>Dnevnik (D)</source>
        <translation>Дневник (D)</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>KAVGALIJA!</source>
        <translation>КАВГАЛИЈА!</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>ДЕМО</translation>
    </message>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>OPCIJE</source>
        <translation>ОПЦИЈЕ</translation>
    </message>
    <message>
        <source>AUTOR</source>
        <translation>АУТОР</translation>
    </message>
    <message>
        <source>KRAJ</source>
        <translation>КРАЈ</translation>
    </message>
    <message>
        <source>Napravio studio KAVGALIJA! za duge zimske veceri.</source>
        <translation>Направио студио КАВГАЛИЈА! за дуге зимске вечери.</translation>
    </message>
    <message>
        <source>NASTAVI</source>
        <extracomment>Continues the saved game.</extracomment>
        <translation>НАСТАВИ</translation>
    </message>
    <message>
        <source>Zapoceti novu igru? Sacuvana igra ce biti izgubljena.</source>
        <translation>Започети нову игру? Сачувана игра ће бити изгубљена.</translation>
    </message>
    <message>
        <source>Sacuvana igra ne moze da se procita, pa je sklonjena u stranu: %1</source>
        <translation>Сачувана игра не може да се прочита, па је склоњена у страну: %1</translation>
    </message>
</context>
<context>
    <name>Items</name>
    <message>
        <source>Odelo</source>
        <translation>Одело</translation>
    </message>
    <message>
        <source>Mantija</source>
        <translation>Мантија</translation>
    </message>
    <message>
        <source>Kozni oklop</source>
        <translation>Кожни оклоп</translation>
    </message>
    <message>
        <source>Lancani oklop</source>
        <translation>Ланчани оклоп</translation>
    </message>
    <message>
        <source>Plochanik</source>
        <translation>Плочаник</translation>
    </message>
    <message>
        <source>dagger</source>
        <translation>бодеж</translation>
    </message>
    <message>
        <source>sword</source>
        <translation>мач</translation>
    </message>
    <message>
        <source>axe</source>
        <translation>секира</translation>
    </message>
    <message>
        <source>spear</source>
        <translation>копље</translation>
    </message>
    <message>
        <source>plavi stit</source>
        <translation>плави штит</translation>
    </message>
    <message>
        <source>crveni stit</source>
        <translation>црвени штит</translation>
    </message>
    <message>
        <source>Bodez je oruzje lopova.Lako se moze sakriti za pojas,ali je beskorisno protiv jacih oklopa.</source>
        <translation>Бодеж је оружје лопова. Лако се може сакрити за појас, али је бескорисно против јачих оклопа.</translation>
    </message>
    <message>
        <source>Mac je klasicno oruzje ratnika.Precizan i ostar dobar je za sve situacije u borbi.</source>
        <translation>Мач је класично оружје ратника. Прецизан и оштар, добар је за све ситуације у борби.</translation>
    </message>
    <message>
        <source>Sekira je oruzje varvara.Ovo nemilosrdno oruzje probija i najjace oklope.</source>
        <translation>Секира је оружје варвара. Ово немилосрдно оружје пробија и најјаче оклопе.</translation>
    </message>
    <message>
        <source>Ovo koplje su koristile falange hoplita u staroj grckoj.Posebno je ojacano za borbu sa jakim protivnicima.</source>
        <translation>Ово копље су користиле фаланге хоплита у старој Грчкој. Посебно је ојачано за борбу са јаким противницима.</translation>
    </message>
    <message>
        <source>Nije sve u zlatu neki kazu...mada vecina toga jeste.Nasli ste blago!</source>
        <translation>Није све у злату, неки кажу... мада већина тога јесте. Нашли сте благо!</translation>
    </message>
    <message>
        <source>Opusteno i lagano odelo za leto.Mantija...</source>
        <translation>Опуштено и лагано одело за лето. Мантија...</translation>
    </message>
    <message>
        <source>Kozna jakna.Stiti od strela,ali slab otpor tezem cheliku.</source>
        <translation>Кожна јакна. Штити од стрела, али слаб отпор тежем челику.</translation>
    </message>
    <message>
        <source>Napravljen od sitnih pletenih lanaca ovaj oklop je pravi otpor za sve.</source>
        <translation>Направљен од ситних плетених ланаца, овај оклоп је прави отпор за све.</translation>
    </message>
    <message>
        <source>Najjaci od svih oklopa,ovaj oklop od celicnih plocha je najbolja stvar za vas!</source>
        <translation>Најјачи од свих оклопа, овај оклоп од челичних плоча је најбоља ствар за вас!</translation>
    </message>
    <message>
        <source>Ukoliko uspete da se odbranite plavim stitom,procicete bez ogrebotine!</source>
        <translation>Уколико успете да се одбраните плавим штитом, проћи ћете без огреботине!</translation>
    </message>
    <message>
        <source>Crveni stit je duplo bolji od plavog stita!Vece sanse su da se odbranite!</source>
        <translation>Црвени штит је дупло бољи од плавог штита! Веће шансе су да се одбраните!</translation>
    </message>
    <message>
        <source>blago</source>
        <translation>благо</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>Zapamcena podesavanja ne mogu da se procitaju, pa su sklonjena u stranu.</source>
        <translation>Запамћена подешавања не могу да се прочитају, па су склоњена у страну.</translation>
    </message>
</context>
<context>
    <name>Kreiranje</name>
    <message>
        <source>Ime</source>
        <translation>Име</translation>
    </message>
    <message>
        <source>Kreiranje igraca</source>
        <translation>Креирање играча</translation>
    </message>
    <message>
        <source>Igrac br</source>
        <translation>Играч бр.</translation>
    </message>
    <message>
        <source>Zvucna tema:</source>
        <translation>Звучна тема:</translation>
    </message>
    <message>
        <source>Zvucna tema</source>
        <translation>Звучна тема</translation>
    </message>
    <message>
        <source>Prethodni lik</source>
        <translation>Претходни лик</translation>
    </message>
    <message>
        <source>Sledeci lik</source>
        <translation>Следећи лик</translation>
    </message>
    <message>
        <source>Musko</source>
        <translation>Мушко</translation>
    </message>
    <message>
        <source>Zensko</source>
        <translation>Женско</translation>
    </message>
    <message>
        <source>SLEDECI</source>
        <translation>СЛЕДЕЋИ</translation>
    </message>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>Portret %1 od %2</source>
        <translation>Портрет %1 од %2</translation>
    </message>
    <message>
        <source>Ime igraca %1</source>
        <translation>Име играча %1</translation>
    </message>
    <message>
        <source>Igrac br %1</source>
        <translation>Играч бр. %1</translation>
    </message>
    <message>
        <source>Racunar</source>
        <translation>Рачунар</translation>
    </message>
    <message>
        <source>Racunar %1</source>
        <translation>Рачунар %1</translation>
    </message>
    <message>
        <source>zvuk</source>
        <extracomment>The folder of all the sound themes, at the top of the list.</extracomment>
        <translation>Звучне теме</translation>
    </message>
    <message>
        <source>..</source>
        <extracomment>Back up to the folder of all the themes.</extracomment>
        <translation>(назад)</translation>
    </message>
    <message>
        <source>american</source>
        <translation>Амерички</translation>
    </message>
    <message>
        <source>patuljak</source>
        <translation>Патуљак</translation>
    </message>
    <message>
        <source>srpski</source>
        <translation>Српски</translation>
    </message>
    <message>
        <source>Snaga racunara</source>
        <translation>Снага рачунара</translation>
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
        <translation>нема</translation>
    </message>
    <message>
        <source>Na tabli i u borbi: P ponavlja poslednju poruku, D otvara dnevnik, Z kaze zlato svih igraca, N kaze ko je na potezu.</source>
        <translation>На табли и у борби: P понавља последњу поруку, D отвара дневник, Z каже злато свих играча, N каже ко је на потезу.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (racunar, %4): %2 od %n zlatnika, polje %3.</source>
        <translation>
            <numerusform>%1 (рачунар, %4): %2 од %n златника, поље %3.</numerusform>
            <numerusform>%1 (рачунар, %4): %2 од %n златника, поље %3.</numerusform>
            <numerusform>%1 (рачунар, %4): %2 од %n златника, поље %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 od %n zlatnika, polje %3.</source>
        <translation>
            <numerusform>%1: %2 од %n златника, поље %3.</numerusform>
            <numerusform>%1: %2 од %n златника, поље %3.</numerusform>
            <numerusform>%1: %2 од %n златника, поље %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Na potezu: %1. Zlatnika: %2 od %n; oruzje: %3; oklop: %4; stit: %5; zdravlje: %6.</source>
        <translation>
            <numerusform>На потезу: %1. Златника: %2 од %n; оружје: %3; оклоп: %4; штит: %5; здравље: %6.</numerusform>
            <numerusform>На потезу: %1. Златника: %2 од %n; оружје: %3; оклоп: %4; штит: %5; здравље: %6.</numerusform>
            <numerusform>На потезу: %1. Златника: %2 од %n; оружје: %3; оклоп: %4; штит: %5; здравље: %6.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Nagrade</name>
    <message>
        <source>Nagrada!</source>
        <translation>Награда!</translation>
    </message>
    <message>
        <source>Uzmi</source>
        <translation>Узми</translation>
    </message>
    <message>
        <source>Ostavi</source>
        <translation>Остави</translation>
    </message>
    <message>
        <source>%1 uzima: %2.</source>
        <translation>%1 узима: %2.</translation>
    </message>
    <message>
        <source>%1 ostavlja: %2.</source>
        <translation>%1 оставља: %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Приказује помоћ за опције командне линије.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Приказује помоћ заједно са опцијама Qt-а.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Употреба: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[опције]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Опције:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Непозната опција „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Непознате опције: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Недостаје вредност после „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неочекивана вредност после „%1“.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Поништи</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>П&amp;онови</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Исе&amp;ци</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копирај</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Налепи</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Обриши</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Изабери све</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
</context>
<context>
    <name>RacePanel</name>
    <message>
        <source>racunar</source>
        <translation>рачунар</translation>
    </message>
    <message numerus="yes">
        <source>%1, racunar, %2 od %n zlatnika, na potezu</source>
        <translation>
            <numerusform>%1, рачунар, %2 од %n златника, на потезу</numerusform>
            <numerusform>%1, рачунар, %2 од %n златника, на потезу</numerusform>
            <numerusform>%1, рачунар, %2 од %n златника, на потезу</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, racunar, %2 od %n zlatnika</source>
        <translation>
            <numerusform>%1, рачунар, %2 од %n златника</numerusform>
            <numerusform>%1, рачунар, %2 од %n златника</numerusform>
            <numerusform>%1, рачунар, %2 од %n златника</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 od %n zlatnika, na potezu</source>
        <translation>
            <numerusform>%1, %2 од %n златника, на потезу</numerusform>
            <numerusform>%1, %2 од %n златника, на потезу</numerusform>
            <numerusform>%1, %2 од %n златника, на потезу</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 od %n zlatnika</source>
        <translation>
            <numerusform>%1, %2 од %n златника</numerusform>
            <numerusform>%1, %2 од %n златника</numerusform>
            <numerusform>%1, %2 од %n златника</numerusform>
        </translation>
    </message>
    <message>
        <source>, igra %1</source>
        <translation>, игра %1</translation>
    </message>
</context>
<context>
    <name>Ui</name>
    <message>
        <source>Portret: %1</source>
        <translation>Портрет: %1</translation>
    </message>
</context>
<context>
    <name>borba</name>
    <message>
        <source>Borba</source>
        <translation>Борба</translation>
    </message>
    <message>
        <source>Zdravlje</source>
        <translation>Здравље</translation>
    </message>
    <message>
        <source>Protiv</source>
        <translation>Против</translation>
    </message>
    <message>
        <source>Udri</source>
        <translation>Удри</translation>
    </message>
    <message>
        <source>Povlacenje</source>
        <translation>Повлачење</translation>
    </message>
    <message>
        <source>Hehe,ja sam bio pametan pa kupio stit!</source>
        <translation>Хехе, памет у главу, па штит у руке!</translation>
    </message>
    <message>
        <source>Kuku al si se odbio ko muda od labuda!</source>
        <translation>Куку, ал’ се одби ко муда од лабуда!</translation>
    </message>
    <message>
        <source>NJANJANANANJAAAA!</source>
        <translation>ЊАЊАНАНАЊАААА!</translation>
    </message>
    <message>
        <source>Di ti bre ochi?</source>
        <translation>Ди ти бре очи?</translation>
    </message>
    <message>
        <source>Di ces glavom o zid komsija?</source>
        <translation>Ди ћеш главом о зид, комшија?</translation>
    </message>
    <message>
        <source>Jace bre to...ne osetih nista...</source>
        <translation>Јаче бре то... не осетих ништа...</translation>
    </message>
    <message>
        <source>Pa ako iseces taj stit svaka ti cast.</source>
        <translation>Па ако исечеш тај штит, свака ти част.</translation>
    </message>
    <message>
        <source>Pazi,ce da polomis oruzje :)</source>
        <translation>Пази, ћеш да поломиш оружје :)</translation>
    </message>
    <message>
        <source>Sta bre pravis tolku buku!? :)</source>
        <translation>Шта бре правиш толку буку!? :)</translation>
    </message>
    <message>
        <source>e al s` ti brljiv neki stvor..</source>
        <translation>е ал’ с’ ти брљив неки створ..</translation>
    </message>
    <message>
        <source>Kuukuuu!!!</source>
        <translation>Куукууу!!!</translation>
    </message>
    <message>
        <source>Platices mi za ovo!!!!!</source>
        <translation>Платићеш ми за ово!!!!!</translation>
    </message>
    <message>
        <source>Neeee tu..tu sam se operis`o!!!!</source>
        <translation>Нееее ту.. ту су ми шавови од операције!!!!</translation>
    </message>
    <message>
        <source>Joj...iskasapi me!#^%@#$&amp;*</source>
        <translation>Јој... искасапи ме!#^%@#$&amp;*</translation>
    </message>
    <message>
        <source>Plasticna operacija bez anestezije!</source>
        <translation>Пластична операција без анестезије!</translation>
    </message>
    <message>
        <source>Ahh krvarim...dajte `ultra allways`!</source>
        <translation>Ахх, крварим... дајте `ultra allways`!</translation>
    </message>
    <message>
        <source>Gilipteru jedan!Dofaticu te ja!</source>
        <translation>Гилиптеру један! Дофатићу те ја!</translation>
    </message>
    <message>
        <source>Arrghh...ode jos malo mesa...</source>
        <translation>Аррггхх... оде још мало меса...</translation>
    </message>
    <message>
        <source>Odseko si mi kosu!Ubicu te!!!</source>
        <translation>Косу ми одсече! Убићу те!!!</translation>
    </message>
    <message>
        <source>Kah kah...Ispade mi zub...shit.</source>
        <translation>Ках ках... Испаде ми зуб... shit.</translation>
    </message>
    <message>
        <source>TI SI LUD!!!! :)</source>
        <translation>ОВО ЈЕ ЛУДИЛО!!!! :)</translation>
    </message>
    <message>
        <source>Ej...ja sam u ovom pravcu :)</source>
        <translation>Еј... ја сам у овом правцу :)</translation>
    </message>
    <message>
        <source>Pazi,zamalo komshiju da zakachish!</source>
        <translation>Пази, замало комшију да закачиш!</translation>
    </message>
    <message>
        <source>Chuvaj s tim,mozes da se povredis!</source>
        <translation>Чувај с тим, можеш да се повредиш!</translation>
    </message>
    <message>
        <source>Idi bre kutji,chuvaj decu,peri vesh...</source>
        <translation>Иди бре кући, чувај децу, пери веш...</translation>
    </message>
    <message>
        <source>Miss me miss me now ya gotta kiss me!</source>
        <translation>Miss me miss me now ya gotta kiss me!</translation>
    </message>
    <message>
        <source>Ne valja ti taj optichar kod koga ides.</source>
        <translation>Не ваља ти тај оптичар код кога идеш.</translation>
    </message>
    <message>
        <source>E,kreces se ko baba u kolicima.</source>
        <translation>Е, крећеш се ко баба у колицима.</translation>
    </message>
    <message>
        <source>Zamalo sebi da odseces ledja...</source>
        <translation>Замало себи да одсечеш леђа...</translation>
    </message>
    <message>
        <source>Vise srece sledeci put :)</source>
        <translation>Више среће следећи пут :)</translation>
    </message>
    <message>
        <source>Aha...odbrana!</source>
        <translation>Аха... одбрана!</translation>
    </message>
    <message>
        <source>Nema leba bez motike!!!</source>
        <translation>Нема леба без мотике!!!</translation>
    </message>
    <message>
        <source>Di tjesh komsho?!</source>
        <translation>Ди ћеш, комшо?!</translation>
    </message>
    <message>
        <source>Heheh...kuda kuda ludi dechache?</source>
        <translation>Хехех... куда куда, луди дечаче?</translation>
    </message>
    <message>
        <source>E ajmo posle na jedno pivo.</source>
        <translation>Е, ајмо после на једно пиво.</translation>
    </message>
    <message>
        <source>Klikni na dugme `povlacenje` sledeci put</source>
        <translation>Кликни на дугме `повлачење` следећи пут</translation>
    </message>
    <message>
        <source>Ej,otkopcan ti slic!</source>
        <translation>Еј, откопчан ти шлиц!</translation>
    </message>
    <message>
        <source>Smor smoor smooooor!!!!</source>
        <translation>Смор смоор смоооор!!!!</translation>
    </message>
    <message>
        <source>Ha...ovo nisi ocekivao garant!</source>
        <translation>Ха... ово нико не очекује, гарант!</translation>
    </message>
    <message>
        <source>El da da imam vestine a..a?a???</source>
        <translation>Ел’ да да имам вештине а..а?а???</translation>
    </message>
    <message>
        <source>da</source>
        <extracomment>The one answer to the spoils&apos; questions that takes them.</extracomment>
        <translation>да</translation>
    </message>
    <message>
        <source>%1 se odbranio shtitom!</source>
        <translation>%1 се брани штитом!</translation>
    </message>
    <message>
        <source>%1 promasuje!</source>
        <translation>%1 промашује!</translation>
    </message>
    <message>
        <source>%1 parira napad.</source>
        <translation>%1 парира напад.</translation>
    </message>
    <message>
        <source>%1 je pobedio!!</source>
        <translation>%1 побеђује!!</translation>
    </message>
    <message>
        <source>Da li zelite da uzmete i %1?</source>
        <extracomment>%1 is the loser&apos;s weapon or shield.</extracomment>
        <translation>Да ли желите да узмете и ово: %1? Упишите „да“ ако желите.</translation>
    </message>
    <message>
        <source>Da li zelite da uzmete i protivnikov oklop?</source>
        <translation>Да ли желите да узмете и противников оклоп? Упишите „да“ ако желите.</translation>
    </message>
    <message>
        <source>%1 je pobegao!!!</source>
        <translation>%1 бежи!!!</translation>
    </message>
    <message>
        <source>%1 udara</source>
        <translation>%1 удара</translation>
    </message>
    <message>
        <source>%1 se povlaci</source>
        <translation>%1 се повлачи</translation>
    </message>
    <message>
        <source>%1, zdravlje %2, protiv %3, zdravlje %4.</source>
        <translation>%1, здравље %2, против %3, здравље %4.</translation>
    </message>
    <message>
        <source>%1: zdravlje %2.</source>
        <translation>%1: здравље %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 udara!%n ostecenja!</source>
        <translation>
            <numerusform>%1 удара! %n оштећење!</numerusform>
            <numerusform>%1 удара! %n оштећења!</numerusform>
            <numerusform>%1 удара! %n оштећења!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 dobija %n zlatnika.</source>
        <translation>
            <numerusform>%1 добија %n златник.</numerusform>
            <numerusform>%1 добија %n златника.</numerusform>
            <numerusform>%1 добија %n златника.</numerusform>
        </translation>
    </message>
    <message>
        <source>Da li zelite da uzmete i ?</source>
        <comment>the loser has no weapon</comment>
        <translation>Противник нема оружје. Да ли желите да и ви останете празних руку? Упишите „да“ ако желите.</translation>
    </message>
</context>
<context>
    <name>credits</name>
    <message>
        <source>KAVGALIJA! je igra na tabli za dva do cetiri igraca za jednim racunarom. Svako redom baca kocku i obilazi krug od trideset polja: na kovcegu ceka nagrada, na opasnom polju nesreca, a gde se dva junaka sretnu, tu pocinje kavga. U borbi odlucuju kocka, stit, oruzje i jezik, jer se junaci svakim udarcem i zadirkuju. Pobednik je onaj ko skupi tacno onoliko zlatnika koliko je zadato u opcijama, ni zlatnik vise ni manje. Igru su napravili osnivaci malog studija KAVGALIJA!, u C++ jeziku sa bibliotekom Qt, za duge zimske veceri sa drustvom. Slike su nacrtane po uzoru na otvorene zbirke ikona: Fluent Emoji kompanije Microsoft (MIT licenca) i Game-icons.net (autori Lorc, Delapouite i saradnici, licenca CC BY 3.0). Slova su Comic Neue (Craig Rozynski, licenca SIL OFL). Glasovi: Festival (SLT, KAL, Machac), publika: espeak-ng, zvuci: SoX. Hvala svima koji dele svoj rad slobodno! Igrajte posteno, a kad izgubite, ne ljutite se: uvek mozete da kazete da vas je izdao stit.</source>
        <translation>КАВГАЛИЈА! је игра на табли за два до четири играча за једним рачунаром. Свако редом баца коцку и обилази круг од тридесет поља: на ковчегу чека награда, на опасном пољу несрећа, а где се два јунака сретну, ту почиње кавга. У борби одлучују коцка, штит, оружје и језик, јер се јунаци сваким ударцем и задиркују. Победник је онај ко скупи тачно онолико златника колико је задато у опцијама, ни златник више ни мање. Игру су направили оснивачи малог студија КАВГАЛИЈА!, у C++ језику са библиотеком Qt, за дуге зимске вечери са друштвом. Слике су нацртане по узору на отворене збирке икона: Fluent Emoji компаније Microsoft (MIT лиценца) и Game-icons.net (аутори Lorc, Delapouite и сарадници, лиценца CC BY 3.0). Ћирилична слова су Andika (SIL International, лиценца SIL OFL), латинична Comic Neue (Craig Rozynski, лиценца SIL OFL). Гласови: Festival (SLT, KAL, Machac), публика: espeak-ng, звуци: SoX. Хвала свима који деле свој рад слободно! Играјте поштено, а кад изгубите, не љутите се: увек можете да кажете да вас је издао штит.</translation>
    </message>
    <message>
        <source>O igri i autoru</source>
        <translation>О игри и аутору</translation>
    </message>
</context>
<context>
    <name>inventar</name>
    <message>
        <source>Inventar</source>
        <translation>Инвентар</translation>
    </message>
    <message>
        <source>Oruzje:</source>
        <translation>Оружје:</translation>
    </message>
    <message>
        <source>Oklop</source>
        <translation>Оклоп</translation>
    </message>
    <message>
        <source>Stit:</source>
        <translation>Штит:</translation>
    </message>
    <message>
        <source>Zlatnici</source>
        <translation>Златници</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>nema</source>
        <translation>нема</translation>
    </message>
    <message numerus="yes">
        <source>%1 ima %n zlatnika; oruzje: %2; oklop: %3; stit: %4.</source>
        <translation>
            <numerusform>%1 има %n златник; оружје: %2; оклоп: %3; штит: %4.</numerusform>
            <numerusform>%1 има %n златника; оружје: %2; оклоп: %3; штит: %4.</numerusform>
            <numerusform>%1 има %n златника; оружје: %2; оклоп: %3; штит: %4.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>opasnost</name>
    <message>
        <source>OPASNOST!</source>
        <translation>ОПАСНОСТ!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Zbog neopreznog rukovanja polomilo vam se oruzje.</source>
        <translation>Због неопрезног руковања поломило вам се оружје.</translation>
    </message>
    <message>
        <source>Oklop vam se raspao na komade...kvalitet,nema sta.</source>
        <translation>Оклоп вам се распао на комаде... квалитет, нема шта.</translation>
    </message>
    <message>
        <source>Pojurio vas pas,pa ste pobegli 3 koraka unazad!</source>
        <translation>Појурио вас пас, па сте побегли 3 корака уназад!</translation>
    </message>
    <message>
        <source>Uhvatila vas je inkvizicija! Propustate sledeci potez.</source>
        <translation>Ухватила вас је инквизиција! Пропуштате следећи потез.</translation>
    </message>
    <message numerus="yes">
        <source>Neko vam je ukrao %n zlatnika.</source>
        <translation>
            <numerusform>Неко вам је украо %n златник.</numerusform>
            <numerusform>Неко вам је украо %n златника.</numerusform>
            <numerusform>Неко вам је украо %n златника.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>opcije</name>
    <message>
        <source>Opcije</source>
        <translation>Опције</translation>
    </message>
    <message>
        <source>Kraj igre na</source>
        <translation>Крај игре на</translation>
    </message>
    <message>
        <source>zlatnika.</source>
        <translation>златника.</translation>
    </message>
    <message>
        <source>Nastavi igru</source>
        <translation>Настави игру</translation>
    </message>
    <message>
        <source>Kraj igre</source>
        <translation>Крај игре</translation>
    </message>
    <message>
        <source>Upisite ceo broj zlatnika od -32768 do 32767 (npr. 100).</source>
        <translation>Упишите цео број златника од -32768 до 32767 (нпр. 100).</translation>
    </message>
    <message>
        <source>Zvuk</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Taster M pali i gasi zvuk u svakom prozoru.</source>
        <translation>Тастер M пали и гаси звук у сваком прозору.</translation>
    </message>
    <message>
        <source>Jacina zvuka</source>
        <translation>Јачина звука</translation>
    </message>
    <message>
        <source>Jezik</source>
        <translation>Језик</translation>
    </message>
    <message>
        <source>Brzina racunara</source>
        <translation>Брзина рачунара</translation>
    </message>
    <message>
        <source>normalna</source>
        <translation>нормална</translation>
    </message>
    <message>
        <source>brza</source>
        <translation>брза</translation>
    </message>
    <message>
        <source>odmah</source>
        <translation>одмах</translation>
    </message>
    <message>
        <source>Pobeda:</source>
        <translation>Победа:</translation>
    </message>
    <message>
        <source>Pobeda</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>tacno</source>
        <translation>тачно</translation>
    </message>
    <message>
        <source>najmanje</source>
        <translation>најмање</translation>
    </message>
    <message>
        <source>tacno: pobeduje ko ima tacno toliko zlatnika; najmanje: ko ima toliko ili vise.</source>
        <translation>тачно: побеђује ко има тачно толико златника; најмање: ко има толико или више.</translation>
    </message>
    <message numerus="yes">
        <source>Rundi: oko %n</source>
        <translation>
            <numerusform>Рунди: око %n</numerusform>
            <numerusform>Рунди: око %n</numerusform>
            <numerusform>Рунди: око %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pobeda</name>
    <message>
        <source>Jeeeee!</source>
        <translation>Јеееее!</translation>
    </message>
    <message>
        <source>JE POBEDNIK!</source>
        <translation>ОДНОСИ ПОБЕДУ!</translation>
    </message>
    <message>
        <source>Izadji</source>
        <translation>Изађи</translation>
    </message>
    <message>
        <source>%1 je pobednik!</source>
        <translation>%1 односи победу!</translation>
    </message>
</context>
</TS>
