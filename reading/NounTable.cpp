// The nouns commonest after ordinals and counts, by gender with their singular cases and plural
// nominative, and guesses for the nouns outside the table.
#include <span>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "reading/Grammar.h"

namespace vokadlo {

namespace {

struct TNoun {
    TGender gender;
    // Nominative, genitive, dative, accusative, locative, instrumental (singular), then the
    // plural nominative.
    std::string_view forms[7];
};

using G = TGender;

constexpr TNoun kNouns[] = {
    {G::Inanimate, {"den", "dne", "dni", "den", "dni", "dnem", "dny"}},
    {G::Inanimate, {"rok", "roku", "roku", "rok", "roce", "rokem", "roky"}},
    {G::Inanimate,
     {"týden"_cp, "týdne"_cp, "týdnu"_cp, "týden"_cp, "týdnu"_cp, "týdnem"_cp, "týdny"_cp}},
    {G::Inanimate,
     {"měsíc"_cp, "měsíce"_cp, "měsíci"_cp, "měsíc"_cp, "měsíci"_cp, "měsícem"_cp, "měsíce"_cp}},
    {G::Neuter,
     {"století"_cp, "století"_cp, "století"_cp, "století"_cp, "století"_cp, "stoletím"_cp,
      "století"_cp}},
    {G::Neuter,
     {"tisíciletí"_cp, "tisíciletí"_cp, "tisíciletí"_cp, "tisíciletí"_cp, "tisíciletí"_cp,
      "tisíciletím"_cp, "tisíciletí"_cp}},
    {G::Neuter,
     {"výročí"_cp, "výročí"_cp, "výročí"_cp, "výročí"_cp, "výročí"_cp, "výročím"_cp, "výročí"_cp}},
    {G::Neuter,
     {"pololetí"_cp, "pololetí"_cp, "pololetí"_cp, "pololetí"_cp, "pololetí"_cp, "pololetím"_cp,
      "pololetí"_cp}},
    {G::Neuter,
     {"čtvrtletí"_cp, "čtvrtletí"_cp, "čtvrtletí"_cp, "čtvrtletí"_cp, "čtvrtletí"_cp,
      "čtvrtletím"_cp, "čtvrtletí"_cp}},
    {G::Neuter,
     {"pořadí"_cp, "pořadí"_cp, "pořadí"_cp, "pořadí"_cp, "pořadí"_cp, "pořadím"_cp, "pořadí"_cp}},
    {G::Neuter,
     {"vydání"_cp, "vydání"_cp, "vydání"_cp, "vydání"_cp, "vydání"_cp, "vydáním"_cp, "vydání"_cp}},
    {G::Neuter,
     {"čtení"_cp, "čtení"_cp, "čtení"_cp, "čtení"_cp, "čtení"_cp, "čtením"_cp, "čtení"_cp}},
    {G::Neuter,
     {"zasedání"_cp, "zasedání"_cp, "zasedání"_cp, "zasedání"_cp, "zasedání"_cp, "zasedáním"_cp,
      "zasedání"_cp}},
    {G::Neuter,
     {"mistrovství"_cp, "mistrovství"_cp, "mistrovství"_cp, "mistrovství"_cp, "mistrovství"_cp,
      "mistrovstvím"_cp, "mistrovství"_cp}},
    {G::Neuter, {"patro", "patra", "patru", "patro", "patře"_cp, "patrem", "patra"}},
    {G::Neuter,
     {"místo"_cp, "místa"_cp, "místu"_cp, "místo"_cp, "místě"_cp, "místem"_cp, "místa"_cp}},
    {G::Neuter, {"kolo", "kola", "kolu", "kolo", "kole", "kolem", "kola"}},
    {G::Neuter, {"auto", "auta", "autu", "auto", "autě"_cp, "autem", "auta"}},
    {G::Neuter, {"slovo", "slova", "slovu", "slovo", "slově"_cp, "slovem", "slova"}},
    {G::Neuter,
     {"procento", "procenta", "procentu", "procento", "procentu", "procentem", "procenta"}},
    {G::Neuter,
     {"dítě"_cp, "dítěte"_cp, "dítěti"_cp, "dítě"_cp, "dítěti"_cp, "dítětem"_cp, "děti"_cp}},
    {G::Neuter, {"oko", "oka", "oku", "oko", "oku", "okem", "oči"_cp}},
    {G::Feminine,
     {"polovina", "poloviny", "polovině"_cp, "polovinu", "polovině"_cp, "polovinou", "poloviny"}},
    {G::Feminine,
     {"třída"_cp, "třídy"_cp, "třídě"_cp, "třídu"_cp, "třídě"_cp, "třídou"_cp, "třídy"_cp}},
    {G::Feminine,
     {"kapitola", "kapitoly", "kapitole", "kapitolu", "kapitole", "kapitolou", "kapitoly"}},
    {G::Feminine, {"strana", "strany", "straně"_cp, "stranu", "straně"_cp, "stranou", "strany"}},
    {G::Feminine,
     {"stránka"_cp, "stránky"_cp, "stránce"_cp, "stránku"_cp, "stránce"_cp, "stránkou"_cp,
      "stránky"_cp}},
    {G::Feminine, {"liga", "ligy", "lize", "ligu", "lize", "ligou", "ligy"}},
    {G::Feminine,
     {"válka"_cp, "války"_cp, "válce"_cp, "válku"_cp, "válce"_cp, "válkou"_cp, "války"_cp}},
    {G::Feminine,
     {"sezóna"_cp, "sezóny"_cp, "sezóně"_cp, "sezónu"_cp, "sezóně"_cp, "sezónou"_cp, "sezóny"_cp}},
    {G::Feminine, {"sezona", "sezony", "sezoně"_cp, "sezonu", "sezoně"_cp, "sezonou", "sezony"}},
    {G::Feminine, {"etapa", "etapy", "etapě"_cp, "etapu", "etapě"_cp, "etapou", "etapy"}},
    {G::Feminine, {"hodina", "hodiny", "hodině"_cp, "hodinu", "hodině"_cp, "hodinou", "hodiny"}},
    {G::Feminine, {"minuta", "minuty", "minutě"_cp, "minutu", "minutě"_cp, "minutou", "minuty"}},
    {G::Feminine,
     {"sekunda", "sekundy", "sekundě"_cp, "sekundu", "sekundě"_cp, "sekundou", "sekundy"}},
    {G::Feminine,
     {"vteřina"_cp, "vteřiny"_cp, "vteřině"_cp, "vteřinu"_cp, "vteřině"_cp, "vteřinou"_cp,
      "vteřiny"_cp}},
    {G::Feminine, {"lekce", "lekce", "lekci", "lekci", "lekci", "lekcí"_cp, "lekce"}},
    {G::Feminine, {"verze", "verze", "verzi", "verzi", "verzi", "verzí"_cp, "verze"}},
    {G::Feminine,
     {"kategorie", "kategorie", "kategorii", "kategorii", "kategorii", "kategorií"_cp,
      "kategorie"}},
    {G::Feminine, {"řada"_cp, "řady"_cp, "řadě"_cp, "řadu"_cp, "řadě"_cp, "řadou"_cp, "řady"_cp}},
    {G::Feminine, {"osoba", "osoby", "osobě"_cp, "osobu", "osobě"_cp, "osobou", "osoby"}},
    {G::Feminine,
     {"generace", "generace", "generaci", "generaci", "generaci", "generací"_cp, "generace"}},
    {G::Feminine,
     {"republika", "republiky", "republice", "republiku", "republice", "republikou", "republiky"}},
    {G::Feminine,
     {"symfonie", "symfonie", "symfonii", "symfonii", "symfonii", "symfonií"_cp, "symfonie"}},
    {G::Feminine, {"vlna", "vlny", "vlně"_cp, "vlnu", "vlně"_cp, "vlnou", "vlny"}},
    {G::Feminine, {"fáze"_cp, "fáze"_cp, "fázi"_cp, "fázi"_cp, "fázi"_cp, "fází"_cp, "fáze"_cp}},
    {G::Feminine,
     {"otázka"_cp, "otázky"_cp, "otázce"_cp, "otázku"_cp, "otázce"_cp, "otázkou"_cp, "otázky"_cp}},
    {G::Feminine,
     {"úroveň"_cp, "úrovně"_cp, "úrovni"_cp, "úroveň"_cp, "úrovni"_cp, "úrovní"_cp, "úrovně"_cp}},
    {G::Feminine, {"cena", "ceny", "ceně"_cp, "cenu", "ceně"_cp, "cenou", "ceny"}},
    {G::Feminine,
     {"epizoda", "epizody", "epizodě"_cp, "epizodu", "epizodě"_cp, "epizodou", "epizody"}},
    {G::Feminine,
     {"série"_cp, "série"_cp, "sérii"_cp, "sérii"_cp, "sérii"_cp, "sérií"_cp, "série"_cp}},
    {G::Feminine, {"věta"_cp, "věty"_cp, "větě"_cp, "větu"_cp, "větě"_cp, "větou"_cp, "věty"_cp}},
    {G::Feminine, {"kniha", "knihy", "knize", "knihu", "knize", "knihou", "knihy"}},
    {G::Feminine,
     {"olympiáda"_cp, "olympiády"_cp, "olympiádě"_cp, "olympiádu"_cp, "olympiádě"_cp,
      "olympiádou"_cp, "olympiády"_cp}},
    {G::Feminine, {"ulice", "ulice", "ulici", "ulici", "ulici", "ulicí"_cp, "ulice"}},
    {G::Feminine, {"žena"_cp, "ženy"_cp, "ženě"_cp, "ženu"_cp, "ženě"_cp, "ženou"_cp, "ženy"_cp}},
    {G::Feminine, {"koruna", "koruny", "koruně"_cp, "korunu", "koruně"_cp, "korunou", "koruny"}},
    {G::Feminine, {"hra", "hry", "hře"_cp, "hru", "hře"_cp, "hrou", "hry"}},
    {G::Feminine, {"noc", "noci", "noci", "noc", "noci", "nocí"_cp, "noci"}},
    {G::Feminine,
     {"část"_cp, "části"_cp, "části"_cp, "část"_cp, "části"_cp, "částí"_cp, "části"_cp}},
    {G::Feminine, {"věc"_cp, "věci"_cp, "věci"_cp, "věc"_cp, "věci"_cp, "věcí"_cp, "věci"_cp}},
    {G::Feminine, {"ruka", "ruky", "ruce", "ruku", "ruce", "rukou", "ruce"}},
    {G::Feminine, {"noha", "nohy", "noze", "nohu", "noze", "nohou", "nohy"}},
    {G::Feminine, {"sestra", "sestry", "sestře"_cp, "sestru", "sestře"_cp, "sestrou", "sestry"}},
    {G::Feminine, {"dcera", "dcery", "dceři"_cp, "dceru", "dceři"_cp, "dcerou", "dcery"}},
    {G::Inanimate,
     {"ročník"_cp, "ročníku"_cp, "ročníku"_cp, "ročník"_cp, "ročníku"_cp, "ročníkem"_cp,
      "ročníky"_cp}},
    {G::Inanimate, {"díl"_cp, "dílu"_cp, "dílu"_cp, "díl"_cp, "dílu"_cp, "dílem"_cp, "díly"_cp}},
    // A second locative: "ve 4. díle".
    {G::Inanimate, {"díl"_cp, "dílu"_cp, "dílu"_cp, "díl"_cp, "díle"_cp, "dílem"_cp, "díly"_cp}},
    {G::Inanimate, {"konec", "konce", "konci", "konec", "konci", "koncem", "konce"}},
    {G::Inanimate,
     {"začátek"_cp, "začátku"_cp, "začátku"_cp, "začátek"_cp, "začátku"_cp, "začátkem"_cp,
      "začátky"_cp}},
    {G::Inanimate,
     {"počátek"_cp, "počátku"_cp, "počátku"_cp, "počátek"_cp, "počátku"_cp, "počátkem"_cp,
      "počátky"_cp}},
    {G::Inanimate,
     {"přelom"_cp, "přelomu"_cp, "přelomu"_cp, "přelom"_cp, "přelomu"_cp, "přelomem"_cp,
      "přelomy"_cp}},
    {G::Inanimate,
     {"průběh"_cp, "průběhu"_cp, "průběhu"_cp, "průběh"_cp, "průběhu"_cp, "průběhem"_cp,
      "průběhy"_cp}},
    {G::Inanimate,
     {"semestr", "semestru", "semestru", "semestr", "semestru", "semestrem", "semestry"}},
    {G::Inanimate,
     {"stupeň"_cp, "stupně"_cp, "stupni", "stupeň"_cp, "stupni", "stupněm"_cp, "stupně"_cp}},
    {G::Inanimate,
     {"zápas"_cp, "zápasu"_cp, "zápasu"_cp, "zápas"_cp, "zápase"_cp, "zápasem"_cp, "zápasy"_cp}},
    {G::Inanimate,
     {"odstavec", "odstavce", "odstavci", "odstavec", "odstavci", "odstavcem", "odstavce"}},
    {G::Inanimate, {"bod", "bodu", "bodu", "bod", "bodu", "bodem", "body"}},
    {G::Inanimate,
     {"článek"_cp, "článku"_cp, "článku"_cp, "článek"_cp, "článku"_cp, "článkem"_cp, "články"_cp}},
    {G::Inanimate,
     {"paragraf", "paragrafu", "paragrafu", "paragraf", "paragrafu", "paragrafem", "paragrafy"}},
    {G::Inanimate, {"pluk", "pluku", "pluku", "pluk", "pluku", "plukem", "pluky"}},
    {G::Inanimate, {"pokus", "pokusu", "pokusu", "pokus", "pokusu", "pokusem", "pokusy"}},
    {G::Inanimate, {"krok", "kroku", "kroku", "krok", "kroku", "krokem", "kroky"}},
    {G::Inanimate,
     {"úkol"_cp, "úkolu"_cp, "úkolu"_cp, "úkol"_cp, "úkolu"_cp, "úkolem"_cp, "úkoly"_cp}},
    {G::Inanimate, {"svazek", "svazku", "svazku", "svazek", "svazku", "svazkem", "svazky"}},
    {G::Inanimate,
     {"řádek"_cp, "řádku"_cp, "řádku"_cp, "řádek"_cp, "řádku"_cp, "řádkem"_cp, "řádky"_cp}},
    {G::Inanimate, {"sloupec", "sloupce", "sloupci", "sloupec", "sloupci", "sloupcem", "sloupce"}},
    {G::Inanimate, {"sjezd", "sjezdu", "sjezdu", "sjezd", "sjezdu", "sjezdem", "sjezdy"}},
    {G::Inanimate, {"pokoj", "pokoje", "pokoji", "pokoj", "pokoji", "pokojem", "pokoje"}},
    {G::Inanimate, {"pád"_cp, "pádu"_cp, "pádu"_cp, "pád"_cp, "pádu"_cp, "pádem"_cp, "pády"_cp}},
    {G::Inanimate, {"tým"_cp, "týmu"_cp, "týmu"_cp, "tým"_cp, "týmu"_cp, "týmem"_cp, "týmy"_cp}},
    {G::Inanimate, {"gól"_cp, "gólu"_cp, "gólu"_cp, "gól"_cp, "gólu"_cp, "gólem"_cp, "góly"_cp}},
    {G::Inanimate, {"kus", "kusu", "kusu", "kus", "kusu", "kusem", "kusy"}},
    {G::Inanimate, {"dům"_cp, "domu", "domu", "dům"_cp, "domě"_cp, "domem", "domy"}},
    {G::Inanimate, {"byt", "bytu", "bytu", "byt", "bytě"_cp, "bytem", "byty"}},
    {G::Inanimate,
     {"večer", "večera"_cp, "večeru"_cp, "večer"_cp, "večeru"_cp, "večerem"_cp, "večery"_cp}},
    {G::Inanimate,
     {"zákon"_cp, "zákona"_cp, "zákonu"_cp, "zákon"_cp, "zákoně"_cp, "zákonem"_cp, "zákony"_cp}},
    {G::Inanimate,
     {"závod"_cp, "závodu"_cp, "závodu"_cp, "závod"_cp, "závodě"_cp, "závodem"_cp, "závody"_cp}},
    {G::Inanimate,
     {"pilíř"_cp, "pilíře"_cp, "pilíři"_cp, "pilíř"_cp, "pilíři"_cp, "pilířem"_cp, "pilíře"_cp}},
    {G::Inanimate, {"prapor", "praporu", "praporu", "prapor", "praporu", "praporem", "prapory"}},
    {G::Inanimate, {"sbor", "sboru", "sboru", "sbor", "sboru", "sborem", "sbory"}},
    {G::Inanimate, {"sál"_cp, "sálu"_cp, "sálu"_cp, "sál"_cp, "sále"_cp, "sálem"_cp, "sály"_cp}},
    {G::Inanimate,
     {"pavilon", "pavilonu", "pavilonu", "pavilon", "pavilonu", "pavilonem", "pavilony"}},
    {G::Inanimate, {"obvod", "obvodu", "obvodu", "obvod", "obvodu", "obvodem", "obvody"}},
    {G::Inanimate,
     {"koncert", "koncertu", "koncertu", "koncert", "koncertu", "koncertem", "koncerty"}},
    {G::Inanimate, {"set", "setu", "setu", "set", "setu", "setem", "sety"}},
    {G::Inanimate,
     {"poločas"_cp, "poločasu"_cp, "poločasu"_cp, "poločas"_cp, "poločase"_cp, "poločasem"_cp,
      "poločasy"_cp}},
    {G::Inanimate,
     {"festival", "festivalu", "festivalu", "festival", "festivalu", "festivalem", "festivaly"}},
    {G::Inanimate,
     {"seminář"_cp, "semináře"_cp, "semináři"_cp, "seminář"_cp, "semináři"_cp, "seminářem"_cp,
      "semináře"_cp}},
    {G::Inanimate,
     {"příklad"_cp, "příkladu"_cp, "příkladu"_cp, "příklad"_cp, "příkladu"_cp, "příkladem"_cp,
      "příklady"_cp}},
    {G::Inanimate, {"test", "testu", "testu", "test", "testu", "testem", "testy"}},
    {G::Inanimate,
     {"kilometr", "kilometru", "kilometru", "kilometr", "kilometru", "kilometrem", "kilometry"}},
    {G::Inanimate,
     {"oddíl"_cp, "oddílu"_cp, "oddílu"_cp, "oddíl"_cp, "oddílu"_cp, "oddílem"_cp, "oddíly"_cp}},
    {G::Inanimate, {"vchod", "vchodu", "vchodu", "vchod", "vchodu", "vchodem", "vchody"}},
    {G::Feminine, {"divize", "divize", "divizi", "divizi", "divizi", "divizí"_cp, "divize"}},
    {G::Feminine,
     {"armáda"_cp, "armády"_cp, "armádě"_cp, "armádu"_cp, "armádě"_cp, "armádou"_cp, "armády"_cp}},
    {G::Feminine, {"rota", "roty", "rotě"_cp, "rotu", "rotě"_cp, "rotou", "roty"}},
    {G::Feminine,
     {"brigáda"_cp, "brigády"_cp, "brigádě"_cp, "brigádu"_cp, "brigádě"_cp, "brigádou"_cp,
      "brigády"_cp}},
    {G::Feminine, {"kolej", "koleje", "koleji", "kolej", "koleji", "kolejí"_cp, "koleje"}},
    {G::Feminine, {"linka", "linky", "lince", "linku", "lince", "linkou", "linky"}},
    {G::Feminine,
     {"zastávka"_cp, "zastávky"_cp, "zastávce"_cp, "zastávku"_cp, "zastávce"_cp, "zastávkou"_cp,
      "zastávky"_cp}},
    {G::Feminine,
     {"brána"_cp, "brány"_cp, "bráně"_cp, "bránu"_cp, "bráně"_cp, "bránou"_cp, "brány"_cp}},
    {G::Feminine, {"budova", "budovy", "budově"_cp, "budovu", "budově"_cp, "budovou", "budovy"}},
    {G::Feminine, {"sloka", "sloky", "sloce", "sloku", "sloce", "slokou", "sloky"}},
    {G::Feminine,
     {"sonáta"_cp, "sonáty"_cp, "sonátě"_cp, "sonátu"_cp, "sonátě"_cp, "sonátou"_cp, "sonáty"_cp}},
    {G::Feminine,
     {"třetina"_cp, "třetiny"_cp, "třetině"_cp, "třetinu"_cp, "třetině"_cp, "třetinou"_cp,
      "třetiny"_cp}},
    {G::Feminine,
     {"příčka"_cp, "příčky"_cp, "příčce"_cp, "příčku"_cp, "příčce"_cp, "příčkou"_cp, "příčky"_cp}},
    {G::Feminine, {"pozice", "pozice", "pozici", "pozici", "pozici", "pozicí"_cp, "pozice"}},
    {G::Feminine,
     {"přednáška"_cp, "přednášky"_cp, "přednášce"_cp, "přednášku"_cp, "přednášce"_cp,
      "přednáškou"_cp, "přednášky"_cp}},
    {G::Feminine,
     {"úloha"_cp, "úlohy"_cp, "úloze"_cp, "úlohu"_cp, "úloze"_cp, "úlohou"_cp, "úlohy"_cp}},
    {G::Feminine,
     {"dívka"_cp, "dívky"_cp, "dívce"_cp, "dívku"_cp, "dívce"_cp, "dívkou"_cp, "dívky"_cp}},
    {G::Feminine, {"holka", "holky", "holce", "holku", "holce", "holkou", "holky"}},
    {G::Feminine,
     {"kočka"_cp, "kočky"_cp, "kočce"_cp, "kočku"_cp, "kočce"_cp, "kočkou"_cp, "kočky"_cp}},
    {G::Feminine,
     {"taška"_cp, "tašky"_cp, "tašce"_cp, "tašku"_cp, "tašce"_cp, "taškou"_cp, "tašky"_cp}},
    {G::Feminine,
     {"skupina", "skupiny", "skupině"_cp, "skupinu", "skupině"_cp, "skupinou", "skupiny"}},
    {G::Feminine, {"rodina", "rodiny", "rodině"_cp, "rodinu", "rodině"_cp, "rodinou", "rodiny"}},
    {G::Feminine, {"firma", "firmy", "firmě"_cp, "firmu", "firmě"_cp, "firmou", "firmy"}},
    {G::Feminine,
     {"škola"_cp, "školy"_cp, "škole"_cp, "školu"_cp, "škole"_cp, "školou"_cp, "školy"_cp}},
    {G::Feminine, {"cesta", "cesty", "cestě"_cp, "cestu", "cestě"_cp, "cestou", "cesty"}},
    {G::Feminine, {"stanice", "stanice", "stanici", "stanici", "stanici", "stanicí"_cp, "stanice"}},
    {G::Feminine, {"země"_cp, "země"_cp, "zemi", "zemi", "zemi", "zemí"_cp, "země"_cp}},
    {G::Feminine,
     {"nabídka"_cp, "nabídky"_cp, "nabídce"_cp, "nabídku"_cp, "nabídce"_cp, "nabídkou"_cp,
      "nabídky"_cp}},
    {G::Feminine,
     {"tableta", "tablety", "tabletě"_cp, "tabletu", "tabletě"_cp, "tabletou", "tablety"}},
    {G::Feminine,
     {"vstupenka", "vstupenky", "vstupence", "vstupenku", "vstupence", "vstupenkou", "vstupenky"}},
    {G::Feminine,
     {"položka"_cp, "položky"_cp, "položce"_cp, "položku"_cp, "položce"_cp, "položkou"_cp,
      "položky"_cp}},
    {G::Feminine, {"fotka", "fotky", "fotce", "fotku", "fotce", "fotkou", "fotky"}},
    {G::Feminine,
     {"příloha"_cp, "přílohy"_cp, "příloze"_cp, "přílohu"_cp, "příloze"_cp, "přílohou"_cp,
      "přílohy"_cp}},
    {G::Feminine,
     {"zpráva"_cp, "zprávy"_cp, "zprávě"_cp, "zprávu"_cp, "zprávě"_cp, "zprávou"_cp, "zprávy"_cp}},
    {G::Feminine, {"kapka", "kapky", "kapce", "kapku", "kapce", "kapkou", "kapky"}},
    {G::Feminine, {"karta", "karty", "kartě"_cp, "kartu", "kartě"_cp, "kartou", "karty"}},
    {G::Feminine,
     {"obálka"_cp, "obálky"_cp, "obálce"_cp, "obálku"_cp, "obálce"_cp, "obálkou"_cp, "obálky"_cp}},
    {G::Feminine,
     {"plechovka", "plechovky", "plechovce", "plechovku", "plechovce", "plechovkou", "plechovky"}},
    {G::Feminine,
     {"sklenička"_cp, "skleničky"_cp, "skleničce"_cp, "skleničku"_cp, "skleničce"_cp,
      "skleničkou"_cp, "skleničky"_cp}},
    {G::Feminine, {"bota", "boty", "botě"_cp, "botu", "botě"_cp, "botou", "boty"}},
    {G::Feminine,
     {"jednotka", "jednotky", "jednotce", "jednotku", "jednotce", "jednotkou", "jednotky"}},
    {G::Feminine,
     {"faktura", "faktury", "faktuře"_cp, "fakturu", "faktuře"_cp, "fakturou", "faktury"}},
    {G::Feminine,
     {"lžička"_cp, "lžičky"_cp, "lžičce"_cp, "lžičku"_cp, "lžičce"_cp, "lžičkou"_cp, "lžičky"_cp}},
    {G::Feminine,
     {"lžíce"_cp, "lžíce"_cp, "lžíci"_cp, "lžíci"_cp, "lžíci"_cp, "lžící"_cp, "lžíce"_cp}},
    {G::Feminine, {"porce", "porce", "porci", "porci", "porci", "porcí"_cp, "porce"}},
    {G::Feminine, {"chyba", "chyby", "chybě"_cp, "chybu", "chybě"_cp, "chybou", "chyby"}},
    {G::Feminine,
     {"píseň"_cp, "písně"_cp, "písni"_cp, "píseň"_cp, "písni"_cp, "písní"_cp, "písně"_cp}},
    {G::Feminine,
     {"fotografie", "fotografie", "fotografii", "fotografii", "fotografii", "fotografií"_cp,
      "fotografie"}},
    {G::Neuter,
     {"nástupiště"_cp, "nástupiště"_cp, "nástupišti"_cp, "nástupiště"_cp, "nástupišti"_cp,
      "nástupištěm"_cp, "nástupiště"_cp}},
    {G::Neuter,
     {"číslo"_cp, "čísla"_cp, "číslu"_cp, "číslo"_cp, "čísle"_cp, "číslem"_cp, "čísla"_cp}},
    {G::Neuter,
     {"utkání"_cp, "utkání"_cp, "utkání"_cp, "utkání"_cp, "utkání"_cp, "utkáním"_cp, "utkání"_cp}},
    {G::Neuter,
     {"cvičení"_cp, "cvičení"_cp, "cvičení"_cp, "cvičení"_cp, "cvičení"_cp, "cvičením"_cp,
      "cvičení"_cp}},
    {G::Neuter,
     {"město"_cp, "města"_cp, "městu"_cp, "město"_cp, "městě"_cp, "městem"_cp, "města"_cp}},
    {G::Animate, {"syn", "syna", "synovi", "syna", "synovi", "synem", "synové"_cp}},
    {G::Animate, {"muž"_cp, "muže"_cp, "muži"_cp, "muže"_cp, "muži"_cp, "mužem"_cp, "muži"_cp}},
    {G::Animate,
     {"člověk"_cp, "člověka"_cp, "člověku"_cp, "člověka"_cp, "člověku"_cp, "člověkem"_cp,
      "lidé"_cp}},
    {G::Animate,
     {"student", "studenta", "studentovi", "studenta", "studentovi", "studentem", "studenti"}},
    {G::Animate, {"bratr", "bratra", "bratrovi", "bratra", "bratrovi", "bratrem", "bratři"_cp}},
    {G::Animate, {"kluk", "kluka", "klukovi", "kluka", "klukovi", "klukem", "kluci"}},
    {G::Animate,
     {"hráč"_cp, "hráče"_cp, "hráči"_cp, "hráče"_cp, "hráči"_cp, "hráčem"_cp, "hráči"_cp}},
    {G::Animate, {"pes", "psa", "psovi", "psa", "psovi", "psem", "psi"}},
    {G::Animate,
     {"prezident", "prezidenta", "prezidentovi", "prezidenta", "prezidentovi", "prezidentem",
      "prezidenti"}},
};

// Plural nouns an ordinal stands before, by case.
struct TPluralNoun {
    TGender gender;
    std::string_view forms[6];
};
constexpr TPluralNoun kPluralNouns[] = {
    {G::Neuter, {"léta"_cp, "let", "letům"_cp, "léta"_cp, "letech", "lety"}},
    {G::Feminine,
     {"narozeniny", "narozenin", "narozeninám"_cp, "narozeniny", "narozeninách"_cp,
      "narozeninami"}},
    {G::Inanimate,
     {"ročníky"_cp, "ročníků"_cp, "ročníkům"_cp, "ročníky"_cp, "ročnících"_cp, "ročníky"_cp}},
};

// Gender by ending for nouns outside the dictionary, the first row that fits: counted by one
// (nominative singular) or by two to four (nominative plural).
struct TEnding {
    std::string_view ending;
    TGender gender;
};
constexpr TEnding kSingularEndings[] = {
    {"iště"_cp, G::Neuter},  // nástupiště
    {"ení"_cp, G::Neuter},   // cvičení
    {"a", G::Feminine},      // žena
    {"e", G::Feminine},      // růže
    {"ě"_cp, G::Feminine},   // země
    {"ost", G::Feminine},    // radost
    {"o", G::Neuter},        // město
    {"ní"_cp, G::Neuter},    // cvičení
    {"ží"_cp, G::Neuter},    // nádraží
    {"ěstí"_cp, G::Neuter},  // náměstí
};
constexpr TEnding kPluralEndings[] = {
    {"a", G::Neuter},         // auta
    {"ní"_cp, G::Neuter},     // cvičení
    {"ží"_cp, G::Neuter},     // nádraží
    {"ěstí"_cp, G::Neuter},   // náměstí
    {"osti", G::Feminine},    // místnosti
    {"če"_cp, G::Inanimate},  // počítače, klíče
    {"je", G::Inanimate},     // stroje, nápoje
    {"e", G::Feminine},       // růže
    {"ě"_cp, G::Feminine},    // země
    {"y", G::Inanimate},      // stoly, syny (the common feminines are in the dictionary)
    {"i", G::Animate},        // studenti
    {"é"_cp, G::Animate},     // lidé
};

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

}  // namespace

std::optional<TNounForm> FindNoun(std::string_view word, std::optional<TGramCase> preferred) {
    if (word.empty() || word.size() > 16) {
        return std::nullopt;
    }
    const std::string lower = LowerCase(word);
    std::optional<TNounForm> found;
    for (const TPluralNoun& noun : kPluralNouns) {
        for (unsigned c = 0; c < 6; ++c) {
            if (noun.forms[c] != lower) {
                continue;
            }
            const auto gramCase = static_cast<TGramCase>(c);
            if (!found) {
                found = TNounForm{noun.gender, gramCase, true, true, 0};
            }
            found->cases |= 1u << c;
            if (preferred && *preferred == gramCase) {
                found->gramCase = gramCase;
            }
        }
        if (found) {
            return found;
        }
    }
    for (const TNoun& noun : kNouns) {
        for (unsigned c = 0; c < 7; ++c) {
            if (noun.forms[c] != lower) {
                continue;
            }
            const bool plural = c == 6;
            const auto gramCase = plural ? TGramCase::Nominative : static_cast<TGramCase>(c);
            if (!found) {
                found = TNounForm{noun.gender, gramCase, plural, false, 0};
            }
            if (found->gender == noun.gender && found->plural == plural) {
                found->cases |= 1u << static_cast<unsigned>(gramCase);
                if (preferred && *preferred == gramCase) {
                    found->gramCase = gramCase;
                }
            }
        }
        if (found) {
            return found;
        }
    }
    return found;
}

std::string_view NounCaseForm(std::string_view nominative, TGramCase gramCase) {
    for (const TNoun& noun : kNouns) {
        if (noun.forms[0] == nominative) {
            return noun.forms[static_cast<std::size_t>(gramCase)];
        }
    }
    return {};
}

TGender GuessGender(std::string_view word, bool plural) {
    const std::string w = LowerCase(word);
    for (const TEnding& e : plural ? std::span<const TEnding>(kPluralEndings)
                                   : std::span<const TEnding>(kSingularEndings)) {
        if (EndsWith(w, e.ending)) {
            return e.gender;
        }
    }
    return TGender::Inanimate;  // "stůl", "dům", and what ends otherwise
}

bool LooksLikeAdjective(std::string_view word) {
    static constexpr std::string_view kEndings[] = {
        "ý"_cp,   "á"_cp,  "é"_cp,  "í"_cp,   "ou",     "ého"_cp,
        "ému"_cp, "ém"_cp, "ým"_cp, "ího"_cp, "ímu"_cp, "ím"_cp,
    };
    if (word.size() < 4 || FindNoun(word, std::nullopt)) {
        return false;
    }
    const std::string w = LowerCase(word);
    for (std::string_view e : kEndings) {
        if (EndsWith(w, e)) {
            return true;
        }
    }
    return false;
}

}  // namespace vokadlo
