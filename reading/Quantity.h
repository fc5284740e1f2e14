// A number as written in text ("1 250 000", "-3,5", "12,50", "199,-", "1/2") and what it counts
// (a unit, a currency, a noun), read together with Czech agreement.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "reading/CldrTables.h"
#include "reading/CzechNumbers.h"

namespace vokadlo {

struct TWrittenNumber {
    std::uint64_t integer = 0;
    std::string decimals;  // the digits after the decimal comma, as written
    bool negative = false;
    bool positive = false;     // written with "+"
    bool price = false;        // "199,-"
    unsigned denominator = 0;  // a fraction "1/2": integer over denominator
};

// A counted abbreviation the field's data lacks ("ks", "str.", "tis."): its nominative by plural
// category, and whether it scales what follows ("5 mil. Kč").
struct TCountedWord {
    std::string_view written;
    TGender gender;
    std::string_view forms[4];
    std::string_view unit;  // when set, the CLDR unit it stands for ("hod." is "h")
    bool scale;
};

// The counted abbreviation written so ("hod.", "ks"), or nullptr.
const TCountedWord* FindCountedWord(std::string_view written);

// What follows a number.
struct TCounted {
    const TUnitName* unit = nullptr;
    const TCurrencyName* currency = nullptr;
    const TCountedWord* word = nullptr;
    // After a scale ("5 mil. Kč"): the currency or unit it scales, read in the genitive plural.
    const TCurrencyName* scaledCurrency = nullptr;
    const TUnitName* scaledUnit = nullptr;
};

// The words of the number and what it counts, in the case given (a preposition's) and with the
// gender of a following noun when nothing else is counted. Empty when the number is too large.
std::string ReadQuantity(const TWrittenNumber& number, const TCounted& counted, TGramCase gramCase,
                         TNumberForm bare);

// The gender of a unit (corrected where CLDR lacks it).
TGender UnitGender(const TUnitName& unit);

// The words of a number with decimals: "tři celé pět", "dvanáct celých dvacet pět".
std::string DecimalWords(std::uint64_t integer, std::string_view decimals);

}  // namespace vokadlo
