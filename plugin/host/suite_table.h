// The host suites the plug-in uses, acquired all together around every
// message and released afterwards.
//
// Handlers reach a suite through its accessor below without testing it: the
// dispatch runs a handler only when every suite of the table was acquired.
// Only AcquireSuites and the error path test for null.
#pragma once

#include <cstdint>

#include "plugin/host/api/suites.h"

// Position of each suite in SuiteTable, which is also the order of
// acquisition and release.
enum SuiteIndex : int {
  kSuiteSPBlocks,
  kSuiteSPAccess,
  kSuiteMdMemory,
  kSuiteRealMath,
  kSuiteArt,
  kSuiteUser,
  kSuiteDocument,
  kSuiteUndo,
  kSuitePath,
  kSuiteRandom,
  kSuiteLayer,
  kSuiteSymbol,
  kSuiteSymbolPalette,
  kSuiteMenu,
  kSuiteFilter,
  kSuiteADMBasic,
  kSuiteADMDialog,
  kSuiteADMItem,
  kSuiteADMIcon,
  kSuiteADMNotifier,
  kSuiteADMList,
  kSuiteADMEntry,
  kSuiteCount
};

struct SuiteTableEntry {
  const char* name;   // passed to the host unchanged
  int32_t version;    // the version asked for
  SuiteIndex slot;    // which suite pointer receives the suite
};

extern const SuiteTableEntry SuiteTable[kSuiteCount];

// The module-wide suite pointers, null while not acquired.
extern const void* gSuites[kSuiteCount];

// Number of AcquireSuites calls not yet matched by ReleaseSuites. A nested
// message finds it above 0 and reuses the outer message's suites.
extern int16_t SuiteNesting;

// Acquires every suite of SuiteTable in order (or only counts, when nested).
// Returns 0, or the status of the failed acquisition. A failure with the
// "ADM Basic Suite" in place shows an alert and stops the walk; a failure
// before it lets the walk go on, and the status returned is still non-zero.
Status AcquireSuites(const BasicSuite* basic);

// Releases every suite of SuiteTable in order when the outermost message
// ends. Stops at the first failed release and returns its status.
Status ReleaseSuites(const BasicSuite* basic);

template <typename Suite>
inline const Suite* SuiteAt(SuiteIndex index) {
  return static_cast<const Suite*>(gSuites[index]);
}

inline const SPBlocksSuite* sSPBlocks() { return SuiteAt<SPBlocksSuite>(kSuiteSPBlocks); }
inline const AIMdMemorySuite* sMdMemory() { return SuiteAt<AIMdMemorySuite>(kSuiteMdMemory); }
inline const AIRealMathSuite* sRealMath() { return SuiteAt<AIRealMathSuite>(kSuiteRealMath); }
inline const AIArtSuite* sArt() { return SuiteAt<AIArtSuite>(kSuiteArt); }
inline const AIUserSuite* sUser() { return SuiteAt<AIUserSuite>(kSuiteUser); }
inline const AIDocumentSuite* sDocument() { return SuiteAt<AIDocumentSuite>(kSuiteDocument); }
inline const AIUndoSuite* sUndo() { return SuiteAt<AIUndoSuite>(kSuiteUndo); }
inline const AIRandomSuite* sRandom() { return SuiteAt<AIRandomSuite>(kSuiteRandom); }
inline const AILayerSuite* sLayer() { return SuiteAt<AILayerSuite>(kSuiteLayer); }
inline const AISymbolSuite* sSymbol() { return SuiteAt<AISymbolSuite>(kSuiteSymbol); }
inline const AISymbolPaletteSuite* sSymbolPalette() {
  return SuiteAt<AISymbolPaletteSuite>(kSuiteSymbolPalette);
}
inline const AIMenuSuite* sMenu() { return SuiteAt<AIMenuSuite>(kSuiteMenu); }
inline const AIFilterSuite* sFilter() { return SuiteAt<AIFilterSuite>(kSuiteFilter); }
inline const ADMBasicSuite* sADMBasic() { return SuiteAt<ADMBasicSuite>(kSuiteADMBasic); }
inline const ADMDialogSuite* sADMDialog() { return SuiteAt<ADMDialogSuite>(kSuiteADMDialog); }
inline const ADMItemSuite* sADMItem() { return SuiteAt<ADMItemSuite>(kSuiteADMItem); }
inline const ADMListSuite* sADMList() { return SuiteAt<ADMListSuite>(kSuiteADMList); }
inline const ADMEntrySuite* sADMEntry() { return SuiteAt<ADMEntrySuite>(kSuiteADMEntry); }
