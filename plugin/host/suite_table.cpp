#include "plugin/host/suite_table.h"

#include <cstdio>

const SuiteTableEntry SuiteTable[kSuiteCount] = {
    {kSPBlocksSuite, kSPBlocksSuiteVersion, kSuiteSPBlocks},
    {kSPAccessSuite, kSPAccessSuiteVersion, kSuiteSPAccess},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, kSuiteMdMemory},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, kSuiteRealMath},
    {kAIArtSuite, kAIArtSuiteVersion, kSuiteArt},
    {kAIUserSuite, kAIUserSuiteVersion, kSuiteUser},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, kSuiteDocument},
    {kAIUndoSuite, kAIUndoSuiteVersion, kSuiteUndo},
    {kAIPathSuite, kAIPathSuiteVersion, kSuitePath},
    {kAIRandomSuite, kAIRandomSuiteVersion, kSuiteRandom},
    {kAILayerSuite, kAILayerSuiteVersion, kSuiteLayer},
    {kAISymbolSuite, kAISymbolSuiteVersion, kSuiteSymbol},
    {kAISymbolPaletteSuite, kAISymbolPaletteSuiteVersion, kSuiteSymbolPalette},
    {kAIMenuSuite, kAIMenuSuiteVersion, kSuiteMenu},
    {kAIFilterSuite, kAIFilterSuiteVersion, kSuiteFilter},
    {kADMBasicSuite, kADMBasicSuiteVersion, kSuiteADMBasic},
    {kADMDialogSuite, kADMDialogSuiteVersion, kSuiteADMDialog},
    {kADMItemSuite, kADMItemSuiteVersion, kSuiteADMItem},
    {kADMIconSuite, kADMIconSuiteVersion, kSuiteADMIcon},
    {kADMNotifierSuite, kADMNotifierSuiteVersion, kSuiteADMNotifier},
    {kADMListSuite, kADMListSuiteVersion, kSuiteADMList},
    {kADMEntrySuite, kADMEntrySuiteVersion, kSuiteADMEntry},
};

const void* gSuites[kSuiteCount] = {};
int16_t SuiteNesting = 0;

Status AcquireSuites(const BasicSuite* basic) {
  if (SuiteNesting != 0) {
    ++SuiteNesting;
    return kNoError;
  }
  Status result = kNoError;
  for (const SuiteTableEntry& entry : SuiteTable) {
    const Status status = basic->AcquireSuite(entry.name, entry.version, &gSuites[entry.slot]);
    if (status == kNoError) continue;
    if (const ADMBasicSuite* admBasic = sADMBasic()) {
      char text[256];
      std::snprintf(text, sizeof text, "Suite Loading Error: %d, suite: %s, version: %d!",
                    static_cast<int>(status), entry.name, static_cast<int>(entry.version));
      admBasic->MessageAlert(text);
      result = status;
      break;
    }
    // No alert can be shown yet. Keep the first failure: whatever comes
    // later, a suite is missing and no handler may run.
    if (result == kNoError) result = status;
  }
  ++SuiteNesting;
  return result;
}

Status ReleaseSuites(const BasicSuite* basic) {
  Status result = kNoError;
  if (SuiteNesting == 1) {
    for (const SuiteTableEntry& entry : SuiteTable) {
      // A suite that this message never acquired is not given back.
      if (gSuites[entry.slot] == nullptr) continue;
      const Status status = basic->ReleaseSuite(entry.name, entry.version);
      if (status != kNoError) {
        result = status;
        break;
      }
      gSuites[entry.slot] = nullptr;
    }
  }
  --SuiteNesting;
  return result;
}
