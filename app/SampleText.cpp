#include "app/SampleText.h"

#include <QStringList>

namespace vokadlo {

QString SampleText() {
    static const char* const lines[] = {
        "Dobrý den, tady Vokadlo, český hlas pro Linux.",
        "Přečtu vám text, který napíšete nebo otevřete do tohoto okna.",
        "Tlačítko Řekni čte od kurzoru dál, nebo jen označený úsek.",
        "Tlačítko Slovo řekne jen slovo, na kterém stojí kurzor.",
        "Tlačítko Stop mě hned utiší.",
        "",
        "Hlasový výstup se hodí všude, kde se nechcete dívat na obrazovku.",
        "Aplikace jím může mluvit přímo, nebo ústy animované postavičky,",
        "která má nainstalovanou syntézu řeči.",
        "Umím předčítat informace z obrazovky a ohlásit důležité události:",
        "Přišla nová pošta. Tiskárně došel papír. Baterie je téměř vybitá!",
        "",
        "Čísla čtu jako slova: 3 jablka, 25 hrušek a 1250 švestek.",
        "Zboží stojí 199 Kč a DPH je 21 %.",
        "Venku jsou -4 stupně a vlak odjíždí v 10 hodin.",
        "Poradím si i se zkratkami jako s.r.o., tzv. nebo zn.",
        "Adresu www.vokadlo.cz přečtu stejně jako znak @.",
        "Slova bez samohlásek hláskuji: ČR, ČT, SQL.",
        "",
        "Umím se ptát: Jak se dnes máte?",
        "A umím i zvolat: To je ale krásný den!",
        "Na konci věty udělám delší pauzu. Za čárkou kratší.",
        "",
        "Na kartě Nastavení hlasu změníte rychlost, výšku a hlasitost,",
        "typ hlasu, náhodné kolísání délek a délku pauz.",
        "Na kartě Výslovnost zapíšete vlastní slovník, řádek po řádku,",
        "například Vokadlo=vokádlo.",
        "Na kartě Lálálá vám na klavír zazpívám text z políčka.",
        "Karta Echo přidá ozvěnu a karta Jak se hejbe reprák",
        "ukáže průběh každého slova, které právě říkám.",
        "",
        "Děkuji, že jste si mě vyzkoušeli. Na shledanou, vaše Vokadlo.",
    };
    QStringList text;
    for (const char* line : lines) {
        text.append(QString::fromUtf8(line));
    }
    return text.join(u'\n');
}

}  // namespace vokadlo
