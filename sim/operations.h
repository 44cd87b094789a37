// Every host operation the stand-in host offers, for journaling, counting
// and fault injection.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sim {

// X(Id, "Name as journaled", can fail with a status)
#define QUILLANE_HOST_OPERATIONS(X)                              \
  X(AcquireSuite, "AcquireSuite", true)                          \
  X(ReleaseSuite, "ReleaseSuite", true)                          \
  X(IsEqual, "IsEqual", false)                                   \
  X(AllocateBlock, "AllocateBlock", true)                        \
  X(FreeBlock, "FreeBlock", true)                                \
  X(NewHandle, "NewHandle", true)                                \
  X(AddFilter, "AddFilter", true)                                \
  X(GetFilterMenuItem, "GetFilterMenuItem", true)                \
  X(UpdateMenuItemAutomatically, "UpdateMenuItemAutomatically", true) \
  X(UndoChanges, "UndoChanges", true)                            \
  X(QueryDocument, "QueryDocument", true)                        \
  X(GetDocument, "GetDocument", true)                            \
  X(RedrawDocument, "RedrawDocument", true)                      \
  X(GetCurrentSymbol, "GetCurrentSymbol", true)                  \
  X(CountSymbolPatterns, "CountSymbolPatterns", true)            \
  X(GetNthSymbolPattern, "GetNthSymbolPattern", true)            \
  X(NewInstanceCenteredInArt, "NewInstanceCenteredInArt", true)  \
  X(GetSoftTransform, "GetSoftTransform", true)                  \
  X(SetSoftTransform, "SetSoftTransform", true)                  \
  X(BreakLinkToSymbol, "BreakLinkToSymbol", true)                \
  X(DisposeArt, "DisposeArt", true)                              \
  X(InsertLayer, "InsertLayer", true)                            \
  X(FloatRnd, "FloatRnd", false)                                 \
  X(DegreeToRadian, "DegreeToRadian", false)                     \
  X(ConcatScale, "ConcatScale", false)                           \
  X(ConcatRotate, "ConcatRotate", false)                         \
  X(ConcatTranslate, "ConcatTranslate", false)                   \
  X(NumberToString, "NumberToString", true)                      \
  X(StringToNumber, "StringToNumber", true)                      \
  X(GetIndexString, "GetIndexString", true)                      \
  X(MessageAlert, "MessageAlert", false)                         \
  X(Modal, "Modal", true)                                        \
  X(GetUserData, "GetUserData", false)                           \
  X(Size, "Size", false)                                         \
  X(SetBoundsRect, "SetBoundsRect", false)                       \
  X(GetBoundsRect, "GetBoundsRect", false)                       \
  X(GetItem, "GetItem", false)                                   \
  X(CreateItem, "CreateItem", false)                             \
  X(SetNotifyProc, "SetNotifyProc", false)                       \
  X(DefaultNotify, "DefaultNotify", false)                       \
  X(SendNotify, "SendNotify", false)                             \
  X(GetDialog, "GetDialog", false)                               \
  X(GetList, "GetList", false)                                   \
  X(ItemSetText, "SetText", false)                               \
  X(SetBooleanValue, "SetBooleanValue", false)                   \
  X(GetBooleanValue, "GetBooleanValue", false)                   \
  X(SetIntValue, "SetIntValue", false)                           \
  X(GetIntValue, "GetIntValue", false)                           \
  X(SetFloatValue, "SetFloatValue", false)                       \
  X(GetFloatValue, "GetFloatValue", false)                       \
  X(SetMinIntValue, "SetMinIntValue", false)                     \
  X(SetMaxIntValue, "SetMaxIntValue", false)                     \
  X(SetMinFloatValue, "SetMinFloatValue", false)                 \
  X(SetMaxFloatValue, "SetMaxFloatValue", false)                 \
  X(SetUnits, "SetUnits", false)                                 \
  X(SetPrecision, "SetPrecision", false)                         \
  X(InsertEntry, "InsertEntry", false)                           \
  X(IndexEntry, "IndexEntry", false)                             \
  X(GetActiveEntry, "GetActiveEntry", false)                     \
  X(EntrySetText, "SetText", false)                              \
  X(SetID, "SetID", false)                                       \
  X(GetID, "GetID", false)                                       \
  X(Select, "Select", false)

enum class Op : uint8_t {
#define QUILLANE_OP_ENUM(id, name, fails) id,
  QUILLANE_HOST_OPERATIONS(QUILLANE_OP_ENUM)
#undef QUILLANE_OP_ENUM
};

#define QUILLANE_OP_COUNT_ONE(id, name, fails) +1
constexpr int kOpCount = 0 QUILLANE_HOST_OPERATIONS(QUILLANE_OP_COUNT_ONE);
#undef QUILLANE_OP_COUNT_ONE

// The name as the journal writes it.
std::string_view OpName(Op op);

// Whether the operation answers with a status, and so can be made to fail.
// Modal counts: a failing Modal shows nothing and answers the status as the
// closing item.
bool OpCanFail(Op op);

// The operation with this journal name that can fail, if any.
std::optional<Op> FailableOpByName(std::string_view name);

}  // namespace sim
