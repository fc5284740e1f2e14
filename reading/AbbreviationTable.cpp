// The common Czech abbreviations and what a reader says for them.
#include "reading/AbbreviationTable.h"

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"

namespace vokadlo {

namespace {

constexpr auto F = TAbbreviationUse::MayEndSentence;
constexpr auto N = TAbbreviationUse::BeforeWord;
constexpr auto A = TAbbreviationUse::AgreesWithNext;
constexpr auto B = TAbbreviationUse::BeforeNumber;

// Written (parts ended by "."; spaces between parts are optional), then the reading by case:
// nominative, genitive, dative, accusative, locative, instrumental (one form: invariant).
constexpr TAbbreviation kAbbreviations[] = {
    {"atd.", F, {"a tak dále"_cp}},
    {"apod.", F, {"a podobně"_cp}},
    {"atp.", F, {"a tak podobně"_cp}},
    {"příp."_cp, N, {"případně"_cp}},
    {"zejm.", N, {"zejména"_cp}},
    {"vs.", N, {"versus"}},
    {"cca.", N, {"cirka"}},
    {"stol.",
     F,
     {"století"_cp, "století"_cp, "století"_cp, "století"_cp, "století"_cp, "stoletím"_cp}},
    {"č. p."_cp,
     N,
     {"číslo popisné"_cp, "čísla popisného"_cp, "číslu popisnému"_cp, "číslo popisné"_cp,
      "čísle popisném"_cp, "číslem popisným"_cp}},
    {"s.", B, {"strana", "strany", "straně"_cp, "stranu", "straně"_cp, "stranou"}},
    {"r.", B, {"roku", "roku", "roku", "rok", "roce", "rokem"}},
    {"p. n. l.", F, {"před naším letopočtem"_cp}},
    {"p. a.", F, {"ročně"_cp}},
    {"nar.", N, {"narozen"}},
    {"aj.", F, {"a jiné"_cp}},
    {"mj.", N, {"mimo jiné"_cp}},
    {"např."_cp, N, {"například"_cp}},
    {"tj.", N, {"to jest"}},
    {"tzn.", N, {"to znamená"_cp}},
    {"tzv.", A, {"takzvaný"_cp, "takzvaná"_cp, "takzvané"_cp}},
    {"resp.", N, {"respektive"}},
    {"popř."_cp, N, {"popřípadě"_cp}},
    {"event.", N, {"eventuálně"_cp}},
    {"vč."_cp, N, {"včetně"_cp}},
    {"cca", N, {"cirka"}},
    {"max.", N, {"maximálně"_cp}},
    {"min.", N, {"minimálně"_cp}},
    {"zvl.", N, {"zvláště"_cp}},
    {"č."_cp, N, {"číslo"_cp, "čísla"_cp, "číslu"_cp, "číslo"_cp, "čísle"_cp, "číslem"_cp}},
    {"str.", N, {"strana", "strany", "straně"_cp, "stranu", "straně"_cp, "stranou"}},
    {"obr.",
     N,
     {"obrázek"_cp, "obrázku"_cp, "obrázku"_cp, "obrázek"_cp, "obrázku"_cp, "obrázkem"_cp}},
    {"tab.", N, {"tabulka", "tabulky", "tabulce", "tabulku", "tabulce", "tabulkou"}},
    {"kap.", N, {"kapitola", "kapitoly", "kapitole", "kapitolu", "kapitole", "kapitolou"}},
    {"čl."_cp, N, {"článek"_cp, "článku"_cp, "článku"_cp, "článek"_cp, "článku"_cp, "článkem"_cp}},
    {"odst.", N, {"odstavec", "odstavce", "odstavci", "odstavec", "odstavci", "odstavcem"}},
    {"písm."_cp,
     N,
     {"písmeno"_cp, "písmene"_cp, "písmenu"_cp, "písmeno"_cp, "písmenu"_cp, "písmenem"_cp}},
    {"roč."_cp,
     N,
     {"ročník"_cp, "ročníku"_cp, "ročníku"_cp, "ročník"_cp, "ročníku"_cp, "ročníkem"_cp}},
    {"tel.", N, {"telefon", "telefonu", "telefonu", "telefon", "telefonu", "telefonem"}},
    {"ul.", N, {"ulice", "ulice", "ulici", "ulici", "ulici", "ulicí"_cp}},
    {"nám."_cp,
     N,
     {"náměstí"_cp, "náměstí"_cp, "náměstí"_cp, "náměstí"_cp, "náměstí"_cp, "náměstím"_cp}},
    {"hl. m.",
     N,
     {"hlavní město"_cp, "hlavního města"_cp, "hlavnímu městu"_cp, "hlavní město"_cp,
      "hlavním městě"_cp, "hlavním městem"_cp}},
    {"sv.", A, {"svatý"_cp, "svatá"_cp, "svaté"_cp}},
    {"ml.", F, {"mladší"_cp}},
    {"st.", F, {"starší"_cp}},
    {"Sb.", F, {"sbírky"_cp}},
    {"Ing.",
     N,
     {"inženýr"_cp, "inženýra"_cp, "inženýrovi"_cp, "inženýra"_cp, "inženýrovi"_cp,
      "inženýrem"_cp}},
    {"Mgr.", N, {"magistr", "magistra", "magistrovi", "magistra", "magistrovi", "magistrem"}},
    {"MUDr.", N, {"doktor", "doktora", "doktorovi", "doktora", "doktorovi", "doktorem"}},
    {"MVDr.", N, {"doktor", "doktora", "doktorovi", "doktora", "doktorovi", "doktorem"}},
    {"JUDr.", N, {"doktor", "doktora", "doktorovi", "doktora", "doktorovi", "doktorem"}},
    {"PhDr.", N, {"doktor", "doktora", "doktorovi", "doktora", "doktorovi", "doktorem"}},
    {"RNDr.", N, {"doktor", "doktora", "doktorovi", "doktora", "doktorovi", "doktorem"}},
    {"PaedDr.", N, {"doktor", "doktora", "doktorovi", "doktora", "doktorovi", "doktorem"}},
    {"Dr.", N, {"doktor", "doktora", "doktorovi", "doktora", "doktorovi", "doktorem"}},
    {"Bc.",
     N,
     {"bakalář"_cp, "bakaláře"_cp, "bakaláři"_cp, "bakaláře"_cp, "bakaláři"_cp, "bakalářem"_cp}},
    {"arch.",
     N,
     {"architekt", "architekta", "architektovi", "architekta", "architektovi", "architektem"}},
    {"DiS.", F, {"diplomovaný specialista"_cp}},
    {"PharmDr.", N, {"doktor", "doktora", "doktorovi", "doktora", "doktorovi", "doktorem"}},
    {"ThDr.", N, {"doktor", "doktora", "doktorovi", "doktora", "doktorovi", "doktorem"}},
    {"MgA.", N, {"magistr", "magistra", "magistrovi", "magistra", "magistrovi", "magistrem"}},
    {"BcA.",
     N,
     {"bakalář"_cp, "bakaláře"_cp, "bakaláři"_cp, "bakaláře"_cp, "bakaláři"_cp, "bakalářem"_cp}},
    {"pplk.",
     N,
     {"podplukovník"_cp, "podplukovníka"_cp, "podplukovníkovi"_cp, "podplukovníka"_cp,
      "podplukovníkovi"_cp, "podplukovníkem"_cp}},
    {"mjr.", N, {"major", "majora", "majorovi", "majora", "majorovi", "majorem"}},
    {"por.",
     N,
     {"poručík"_cp, "poručíka"_cp, "poručíkovi"_cp, "poručíka"_cp, "poručíkovi"_cp,
      "poručíkem"_cp}},
    {"srov.", N, {"srovnej"}},
    {"pozn.",
     N,
     {"poznámka"_cp, "poznámky"_cp, "poznámce"_cp, "poznámku"_cp, "poznámce"_cp, "poznámkou"_cp}},
    {"ev. č."_cp,
     N,
     {"evidenční číslo"_cp, "evidenčního čísla"_cp, "evidenčnímu číslu"_cp, "evidenční číslo"_cp,
      "evidenčním čísle"_cp, "evidenčním číslem"_cp}},
    {"r. č."_cp,
     N,
     {"rodné číslo"_cp, "rodného čísla"_cp, "rodnému číslu"_cp, "rodné číslo"_cp, "rodném čísle"_cp,
      "rodným číslem"_cp}},
    {"tř."_cp, F, {"třída"_cp, "třídy"_cp, "třídě"_cp, "třídu"_cp, "třídě"_cp, "třídou"_cp}},
    {"nábř."_cp,
     F,
     {"nábřeží"_cp, "nábřeží"_cp, "nábřeží"_cp, "nábřeží"_cp, "nábřeží"_cp, "nábřežím"_cp}},
    {"sídl."_cp,
     F,
     {"sídliště"_cp, "sídliště"_cp, "sídlišti"_cp, "sídliště"_cp, "sídlišti"_cp, "sídlištěm"_cp}},
    {"prof.",
     N,
     {"profesor", "profesora", "profesorovi", "profesora", "profesorovi", "profesorem"}},
    {"doc.", N, {"docent", "docenta", "docentovi", "docenta", "docentovi", "docentem"}},
    {"kpt.",
     N,
     {"kapitán"_cp, "kapitána"_cp, "kapitánovi"_cp, "kapitána"_cp, "kapitánovi"_cp,
      "kapitánem"_cp}},
    {"plk.",
     N,
     {"plukovník"_cp, "plukovníka"_cp, "plukovníkovi"_cp, "plukovníka"_cp, "plukovníkovi"_cp,
      "plukovníkem"_cp}},
    {"gen.",
     N,
     {"generál"_cp, "generála"_cp, "generálovi"_cp, "generála"_cp, "generálovi"_cp,
      "generálem"_cp}},
    {"s. r. o.", F, {"es er ó"_cp}},
    {"spol. s r. o.", F, {"společnost s ručením omezeným"_cp}},
    {"a. s.",
     F,
     {"akciová společnost"_cp, "akciové společnosti"_cp, "akciové společnosti"_cp,
      "akciovou společnost"_cp, "akciové společnosti"_cp, "akciovou společností"_cp}},
    {"s. p.", F, {"státní podnik"_cp}},
    {"o. p. s.", F, {"obecně prospěšná společnost"_cp}},
    {"z. s.", F, {"zapsaný spolek"_cp}},
    {"př. n. l."_cp, F, {"před naším letopočtem"_cp}},
    {"n. m.", F, {"nad mořem"_cp}},
    {"Ph.D.", F, {"pé há dé"_cp}},
    {"CSc.", F, {"cé es cé"_cp}},
    {"n. l.", F, {"našeho letopočtu"_cp}},
    {"§"_cp, N, {"paragraf", "paragrafu", "paragrafu", "paragraf", "paragrafu", "paragrafem"}},
};

struct TFeminineTitle {
    std::string_view masculine;
    std::string_view forms[6];
};

constexpr TFeminineTitle kFeminineTitles[] = {
    {"inženýr"_cp,
     {"inženýrka"_cp, "inženýrky"_cp, "inženýrce"_cp, "inženýrku"_cp, "inženýrce"_cp,
      "inženýrkou"_cp}},
    {"magistr", {"magistra", "magistry", "magistře"_cp, "magistru", "magistře"_cp, "magistrou"}},
    {"doktor", {"doktorka", "doktorky", "doktorce", "doktorku", "doktorce", "doktorkou"}},
    {"bakalář"_cp,
     {"bakalářka"_cp, "bakalářky"_cp, "bakalářce"_cp, "bakalářku"_cp, "bakalářce"_cp,
      "bakalářkou"_cp}},
    {"profesor",
     {"profesorka", "profesorky", "profesorce", "profesorku", "profesorce", "profesorkou"}},
    {"docent", {"docentka", "docentky", "docentce", "docentku", "docentce", "docentkou"}},
    {"architekt",
     {"architektka", "architektky", "architektce", "architektku", "architektce", "architektkou"}},
};

}  // namespace

std::span<const TAbbreviation> Abbreviations() {
    return kAbbreviations;
}

const std::string_view* FeminineTitle(std::string_view masculine) {
    for (const TFeminineTitle& t : kFeminineTitles) {
        if (t.masculine == masculine) {
            return t.forms;
        }
    }
    return nullptr;
}

}  // namespace vokadlo
