// "AI Document Suite", version 7: the current document.
#pragma once

#include <cstdint>

#include "plugin/host/api/types.h"

#define kAIDocumentSuite "AI Document Suite"
constexpr int32_t kAIDocumentSuiteVersion = 7;

// Facts about the current document, filled by QueryDocument.
struct DocumentInfo {
  int32_t layerCount;
  int32_t symbolCount;
  int32_t artCount;
};

struct AIDocumentSuite {
  // Fills *info for the current document. Fails when there is no document.
  Status (*QueryDocument)(DocumentInfo* info);

  // Stores the current document in *document.
  Status (*GetDocument)(DocumentHandle* document);

  // Refreshes the view of the document (also while a modal dialog is up).
  Status (*RedrawDocument)(void);
};
