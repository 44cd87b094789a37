#include "sim/suites/registry.h"

#include <cstring>

namespace sim {
namespace {

struct SuiteEntry {
  const char* name;
  int32_t version;
  const void* table;
};

const SuiteEntry kSuites[] = {
    {kSPBlocksSuite, kSPBlocksSuiteVersion, &kSPBlocksSuiteTable},
    {kSPAccessSuite, kSPAccessSuiteVersion, &kSPAccessSuiteTable},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kMdMemorySuiteTable},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMathSuiteTable},
    {kAIArtSuite, kAIArtSuiteVersion, &kArtSuiteTable},
    {kAIUserSuite, kAIUserSuiteVersion, &kUserSuiteTable},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, &kDocumentSuiteTable},
    {kAIUndoSuite, kAIUndoSuiteVersion, &kUndoSuiteTable},
    {kAIPathSuite, kAIPathSuiteVersion, &kPathSuiteTable},
    {kAIRandomSuite, kAIRandomSuiteVersion, &kRandomSuiteTable},
    {kAILayerSuite, kAILayerSuiteVersion, &kLayerSuiteTable},
    {kAISymbolSuite, kAISymbolSuiteVersion, &kSymbolSuiteTable},
    {kAISymbolPaletteSuite, kAISymbolPaletteSuiteVersion, &kSymbolPaletteSuiteTable},
    {kAIMenuSuite, kAIMenuSuiteVersion, &kMenuSuiteTable},
    {kAIFilterSuite, kAIFilterSuiteVersion, &kFilterSuiteTable},
    {kADMBasicSuite, kADMBasicSuiteVersion, &kADMBasicSuiteTable},
    {kADMDialogSuite, kADMDialogSuiteVersion, &kADMDialogSuiteTable},
    {kADMItemSuite, kADMItemSuiteVersion, &kADMItemSuiteTable},
    {kADMIconSuite, kADMIconSuiteVersion, &kADMIconSuiteTable},
    {kADMNotifierSuite, kADMNotifierSuiteVersion, &kADMNotifierSuiteTable},
    {kADMListSuite, kADMListSuiteVersion, &kADMListSuiteTable},
    {kADMEntrySuite, kADMEntrySuiteVersion, &kADMEntrySuiteTable},
};

}  // namespace

const void* FindSuite(const char* name, int32_t version) {
  for (const SuiteEntry& entry : kSuites)
    if (entry.version == version && std::strcmp(entry.name, name) == 0) return entry.table;
  return nullptr;
}

}  // namespace sim
