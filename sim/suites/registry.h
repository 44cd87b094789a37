// The suite tables of the stand-in host, found by name and version.
#pragma once

#include <cstdint>

#include "plugin/host/api/suites.h"

namespace sim {

// The table of the suite with this name and version, or null.
const void* FindSuite(const char* name, int32_t version);

// The basic suite handed to the plug-in in every message.
const BasicSuite* BasicSuiteTable();

// The tables, each defined in the file of its area.
extern const SPBlocksSuite kSPBlocksSuiteTable;
extern const SPAccessSuite kSPAccessSuiteTable;
extern const AIMdMemorySuite kMdMemorySuiteTable;
extern const AIRealMathSuite kRealMathSuiteTable;
extern const AIArtSuite kArtSuiteTable;
extern const AIUserSuite kUserSuiteTable;
extern const AIDocumentSuite kDocumentSuiteTable;
extern const AIUndoSuite kUndoSuiteTable;
extern const AIPathSuite kPathSuiteTable;
extern const AIRandomSuite kRandomSuiteTable;
extern const AILayerSuite kLayerSuiteTable;
extern const AISymbolSuite kSymbolSuiteTable;
extern const AISymbolPaletteSuite kSymbolPaletteSuiteTable;
extern const AIMenuSuite kMenuSuiteTable;
extern const AIFilterSuite kFilterSuiteTable;
extern const ADMBasicSuite kADMBasicSuiteTable;
extern const ADMDialogSuite kADMDialogSuiteTable;
extern const ADMItemSuite kADMItemSuiteTable;
extern const ADMIconSuite kADMIconSuiteTable;
extern const ADMNotifierSuite kADMNotifierSuiteTable;
extern const ADMListSuite kADMListSuiteTable;
extern const ADMEntrySuite kADMEntrySuiteTable;

}  // namespace sim
