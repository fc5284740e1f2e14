// Evaluation of the rule tables' unit conditions.
#include "prosody/UnitCondition.h"

namespace vokadlo {

bool Holds(const TCondition& condition, const TCharacter& unit, std::size_t unitNumber) {
    bool result = true;
    switch (condition.Subject) {
        case ESubject::Always:
            result = true;
            break;
        case ESubject::Prev:
            result = InSet(FirstChar(unit.Prev), condition.Chars);
            break;
        case ESubject::Next:
            result = InSet(FirstChar(unit.Next), condition.Chars);
            break;
        case ESubject::Letter:
            result = InSet(FirstChar(unit.Letter), condition.Chars);
            break;
        case ESubject::Sample:
            result = unit.Sample == condition.Chars;
            break;
        case ESubject::FirstUnit:
            result = unitNumber == 1;
            break;
        case ESubject::LaterUnit:
            result = unitNumber >= 2;
            break;
    }
    return condition.Negated ? !result : result;
}

}  // namespace vokadlo
