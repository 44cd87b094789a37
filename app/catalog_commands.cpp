// "quillane presets", "quillane params", "quillane about": what the plug-in
// offers, read from its own dialogs through the stand-in host.
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "app/commands.h"
#include "app/dialog_users.h"
#include "app/host_session.h"
#include "app/parameter_names.h"
#include "plugin/host/about_box.h"
#include "plugin/params/params_dialog.h"

namespace app {
namespace {

struct CatalogOptions {
  std::string module;
};

int Fail(const char* command, const std::string& message, int code) {
  std::cerr << "quillane " << command << ": " << message << "\n";
  return code;
}

// Opens the parameter dialog through the host, reads it on every page and
// cancels it. False, with the reason, when it could not be read whole.
bool Survey(const std::string& module, const char* command, DialogSurvey* survey, int* code) {
  NullStream quiet;
  std::string error;
  std::unique_ptr<sim::Host> host = OpenHost(module, quiet, &error);
  if (!host) {
    *code = Fail(command, error, 1);
    return false;
  }
  SurveyUser user;
  host->dialogs().SetDriver(&user);
  host->Startup();
  host->Filter();
  host->Shutdown();
  host->dialogs().SetDriver(nullptr);
  WarnAboutLeftovers(*host, command);
  if (!user.complete()) {
    std::string said;
    for (const ShownDialog& dialog : user.otherDialogs())
      for (const std::string& text : dialog.texts) said += " " + text;
    *code = Fail(command, "the plug-in's parameter dialog could not be read" + (said.empty() ? "" : ":" + said), 2);
    return false;
  }
  *survey = user.survey();
  return true;
}

// Rows of text in aligned columns; the last column is not padded.
void PrintTable(const std::vector<std::vector<std::string>>& rows) {
  std::vector<size_t> widths;
  for (const auto& row : rows)
    for (size_t c = 0; c < row.size(); ++c) {
      if (widths.size() <= c) widths.push_back(0);
      widths[c] = std::max(widths[c], row[c].size());
    }
  for (const auto& row : rows) {
    std::string line;
    for (size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size()) line += std::string(widths[c] - row[c].size() + 2, ' ');
    }
    std::cout << line << "\n";
  }
}

void PrintEntries(const std::vector<std::string>& entries) {
  for (size_t i = 0; i < entries.size(); ++i) {
    char id[32];
    std::snprintf(id, sizeof id, "%2zu", i);
    std::cout << id << "  " << Trimmed(entries[i]) << "\n";
  }
}

int Presets(const CatalogOptions& options) {
  DialogSurvey survey;
  int code = 0;
  if (!Survey(options.module, "presets", &survey, &code)) return code;
  const ItemState* popup = survey.Find(0, kItemPresetPopup);
  if (popup == nullptr || popup->entries.empty()) return Fail("presets", "the dialog has no presets popup", 2);
  PrintEntries(popup->entries);
  return 0;
}

std::string RangeOf(const ItemState& item) {
  if (item.kind == sim::ItemKind::kCheckBox) return "on/off";
  if (item.hasMin && item.hasMax) return FormatNumber(item.minValue) + " to " + FormatNumber(item.maxValue);
  return "any";
}

int Params(const CatalogOptions& options) {
  DialogSurvey survey;
  int code = 0;
  if (!Survey(options.module, "params", &survey, &code)) return code;

  std::vector<std::vector<std::string>> rows = {{"NAME", "PAGE", "KIND", "RANGE", "DEFAULT", "DIALOG", "WHAT IT DOES"}};
  for (const NamedValue& named : AllNamedValues()) {
    const int32_t page = named.page == kEveryPage ? 0 : named.page;
    const ItemState* item = survey.Find(page, named.value->item);
    if (item == nullptr) return Fail("params", "the dialog has no item for " + named.FullName(), 2);
    const bool checkBox = item->kind == sim::ItemKind::kCheckBox;
    const char* kind = checkBox ? "check box" : item->isFloat ? "number" : "integer";
    const std::string value = checkBox ? (item->booleanValue ? "on" : "off") : FormatNumber(item->value);
    rows.push_back({named.FullName(), PageName(named.page), kind, RangeOf(*item), value, item->label,
                    named.value->meaning[page] ? named.value->meaning[page] : named.value->meaning[0]});
  }
  const ItemState* fill = survey.Find(0, kItemFillModePopup);
  if (fill == nullptr || fill->entries.empty()) return Fail("params", "the dialog has no fill-mode popup", 2);
  rows.push_back({"--fill", "all", "popup", "0 to " + std::to_string(fill->entries.size() - 1),
                  std::to_string(fill->activeEntry), "fill-mode popup", "which slots of a row get a symbol"});
  PrintTable(rows);

  std::cout << "\nPages: a name alone is for the first page; layer: and row: name the others.\n";
  const ItemState* pages = survey.Find(0, kItemPagePopup);
  if (pages != nullptr)
    for (size_t p = 0; p < pages->entries.size() && p < static_cast<size_t>(kPageCount); ++p)
      std::cout << "  " << PageName(static_cast<int32_t>(p)) << ": \"" << Trimmed(pages->entries[p]) << "\"\n";
  std::cout << "\nFill modes (--fill takes the id or the text):\n";
  PrintEntries(fill->entries);
  std::cout << "\nPresets: quillane presets\n";
  return 0;
}

int About(const CatalogOptions& options) {
  NullStream quiet;
  std::string error;
  std::unique_ptr<sim::Host> host = OpenHost(options.module, quiet, &error);
  if (!host) return Fail("about", error, 1);
  ReaderUser user;
  host->dialogs().SetDriver(&user);
  host->Startup();
  host->About();
  host->Shutdown();
  host->dialogs().SetDriver(nullptr);
  WarnAboutLeftovers(*host, "about");
  for (const ShownDialog& dialog : user.dialogs()) {
    if (dialog.name != kAboutDialogName) continue;
    std::cout << dialog.caption << "\n\n";
    for (const std::string& text : dialog.texts) std::cout << text << "\n";
    return 0;
  }
  return Fail("about", "the plug-in showed no About box", 2);
}

CLI::App* AddCatalogCommand(CLI::App& parent, const char* name, const char* description,
                            const char* footer, int (*run)(const CatalogOptions&), int& exitCode) {
  auto options = std::make_shared<CatalogOptions>();
  CLI::App* command = parent.add_subcommand(name, description);
  command->footer(footer);
  command->add_option("--module", options->module, "Plug-in module to load (default: beside the command)")
      ->type_name("PATH");
  command->callback([options, run, &exitCode] { exitCode = run(*options); });
  return command;
}

}  // namespace

void AddCatalogCommands(CLI::App& parent, int& exitCode) {
  AddCatalogCommand(parent, "presets", "List the presets of the plug-in's dialog: id and text",
                    "Opens the filter's dialog through the host, reads its presets popup and cancels.\n"
                    "render --preset takes the id or the text (case-insensitive).\n"
                    "\nExamples:\n"
                    "  quillane presets\n"
                    "  quillane render --preset \"equal row column grid\" -o grid.svg   (or --preset 12)",
                    Presets, exitCode);
  AddCatalogCommand(parent, "params", "List every parameter: name, page, kind, range, default",
                    "Opens the filter's dialog through the host, reads every item on each of its three\n"
                    "pages (ranges, values at first use, labels) and cancels. The names are those that\n"
                    "render --set NAME=VALUE takes.\n"
                    "\nExamples:\n"
                    "  quillane params\n"
                    "  quillane params | grep '^row:'",
                    Params, exitCode);
  AddCatalogCommand(parent, "about", "Show the texts of the plug-in's About box",
                    "Sends the plug-in the About message and prints what its About box shows.\n"
                    "\nExample:\n"
                    "  quillane about",
                    About, exitCode);
}

}  // namespace app
