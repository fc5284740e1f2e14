// Placeholder until the pronunciation dictionary lands.
#include "engine/SayText.h"

namespace vokadlo {

void TSayText::LoadUserDictionary() {}
void TSayText::ReloadUserDictionaryIfChanged() {}
void TSayText::BuildPronunciationTable() {}

}  // namespace vokadlo
