// "quillane render": the session a user of the host plays to make one
// arrangement, and the document written out.
#include <charconv>
#include <chrono>
#include <cmath>
#include <iostream>
#include <sstream>

#include "app/commands.h"
#include "app/dialog_users.h"
#include "app/host_session.h"
#include "app/output_files.h"
#include "app/parameter_names.h"
#include "app/png_picture.h"
#include "app/svg_symbols.h"
#include "sim/export_json.h"
#include "sim/export_svg.h"
#include "sim/script.h"
#include "sim/status_text.h"

namespace app {
namespace {

constexpr const char* kCommand = "render";

struct RenderOptions {
  std::string output;
  std::string json;
  std::string png;
  int pngWidth = 0;
  std::string preset;
  std::string fill;
  std::vector<std::string> sets;
  int layers = 0;
  bool breakLink = false, randomSymbols = false, ordered = false, noOrdered = false;
  bool linkProportional = false, noLinkProportional = false, randomCount = false;
  std::vector<std::string> symbols;
  int64_t seed = 0;
  std::string module;
  std::vector<std::string> fails;
  bool verbose = false;

  CLI::Option* presetOption = nullptr;
  CLI::Option* fillOption = nullptr;
  CLI::Option* layersOption = nullptr;
  CLI::Option* seedOption = nullptr;
};

int Fail(const std::string& message) {
  std::cerr << "quillane " << kCommand << ": " << message << "\n";
  return 1;
}

// NAME=VALUE into a setting; nothing, with the reason, when either is wrong.
std::optional<Setting> ParseSetting(const std::string& text, std::string* error) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos) {
    *error = "--set takes NAME=VALUE, not '" + text + "'";
    return std::nullopt;
  }
  const auto target = FindValue(Trimmed(text.substr(0, equals)), error);
  if (!target) return std::nullopt;
  Setting setting;
  setting.target = *target;
  setting.typed = Trimmed(text.substr(equals + 1));
  const std::string name = target->FullName();
  if (target->value->kind == ValueKind::kCheckBox) {
    const auto on = ParseOnOff(setting.typed);
    if (!on) {
      *error = name + " is a check box: give on or off (or 1 or 0), not '" + setting.typed + "'";
      return std::nullopt;
    }
    setting.on = *on;
    return setting;
  }
  const std::string& typed = setting.typed;
  const char* begin = typed.data() + (typed.size() > 1 && typed[0] == '+' ? 1 : 0);
  const auto [end, failure] = std::from_chars(begin, typed.data() + typed.size(), setting.number);
  if (typed.empty() || failure != std::errc() || end != typed.data() + typed.size() ||
      !std::isfinite(setting.number)) {
    *error = name + " takes a number, not '" + typed + "'";
    return std::nullopt;
  }
  return setting;
}

Setting CheckBox(const char* name, bool on) {
  std::string ignored;
  return Setting{*FindValue(name, &ignored), 0, on, on ? "on" : "off"};
}

uint64_t SeedFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()) % 1000000000u;
}

std::string Plural(size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

int Render(RenderOptions& options) {
  // Everything the user typed is checked before the host starts.
  if (!options.png.empty() && !kCanWritePng)
    return Fail("--png: this build of quillane cannot write PNG images (it was built without librsvg)");
  if (!options.symbols.empty() && !kCanReadSvg)
    return Fail("--symbols: this build of quillane cannot read SVG files (it was built without pugixml)");

  DialogPlan plan;
  if (options.presetOption->count() > 0) plan.preset = options.preset;
  if (options.fillOption->count() > 0) plan.fill = options.fill;
  std::string error;
  if (options.layersOption->count() > 0) {
    const auto layers = ParseSetting("layers=" + std::to_string(options.layers), &error);
    if (!layers) return Fail(error);
    plan.settings.push_back(*layers);
  }
  if (options.randomSymbols) plan.settings.push_back(CheckBox("random-symbols", true));
  if (options.ordered || options.noOrdered) plan.settings.push_back(CheckBox("ordered", options.ordered));
  if (options.linkProportional || options.noLinkProportional)
    plan.settings.push_back(CheckBox("link-proportional", options.linkProportional));
  if (options.randomCount) plan.settings.push_back(CheckBox("random-count", true));
  if (options.breakLink) plan.settings.push_back(CheckBox("break-link", true));
  for (const std::string& text : options.sets) {
    const auto setting = ParseSetting(text, &error);
    if (!setting) return Fail(error);
    plan.settings.push_back(*setting);
  }

  std::vector<SymbolFile> symbols;
  for (const std::string& path : options.symbols) {
    auto symbol = ReadSymbolFile(path, &error);
    if (!symbol) return Fail(error);
    symbols.push_back(std::move(*symbol));
  }

  std::string faultLines;
  for (const std::string& fail : options.fails) faultLines += "fail " + fail + "\n";
  const auto faults = sim::Script::Parse(faultLines, &error);
  if (!faults) return Fail("--fail: " + error);

  const uint64_t seed = options.seedOption->count() > 0 ? static_cast<uint64_t>(options.seed) : SeedFromClock();

  // The session: start-up, the filter with its dialog, shut-down.
  NullStream quiet;
  std::ostream& log = options.verbose ? std::cerr : static_cast<std::ostream&>(quiet);
  std::unique_ptr<sim::Host> host = OpenHost(options.module, log, &error);
  if (!host) return Fail(error);
  host->random().Seed(seed);
  if (!symbols.empty()) LoadSymbols(host->document(), symbols);
  PlanUser user(std::move(plan));
  host->dialogs().SetDriver(&user);
  if (!faults->Run(*host, &error)) return Fail("--fail: " + error);

  host->Startup();
  const Status status = host->Filter();
  host->Shutdown();
  host->dialogs().SetDriver(nullptr);
  WarnAboutLeftovers(*host, kCommand);

  if (!user.error().empty()) return Fail(user.error() + "\nnothing written");
  if (status != kNoError) {
    std::string said;
    for (const ShownDialog& dialog : user.otherDialogs()) {
      std::string texts;
      for (const std::string& text : dialog.texts) texts += (texts.empty() ? "" : " ") + text;
      said += "\n  \"" + dialog.caption + "\": " + texts;
    }
    std::cerr << "quillane " << kCommand << ": the plug-in reported a failure (status "
              << sim::FormatStatus(status) << ", seed " << seed << ")"
              << (said.empty() ? std::string(user.sawParameterDialog() ? "" : "; its dialog did not open")
                               : ":" + said)
              << "\nnothing written\n";
    return 2;
  }

  // The document, written whole: every file or none.
  const sim::Document& document = host->document();
  std::vector<OutputFile> outputs;
  std::string svg;
  if (!options.png.empty()) {
    std::ostringstream picture;
    sim::WriteSvg(document, picture);
    svg = picture.str();
    outputs.push_back({options.output, [&svg](std::ostream& out) { out << svg; }});
    std::string png;
    if (!DrawPng(svg, options.pngWidth, &png, &error)) return Fail("--png: " + error + "\nnothing written");
    outputs.push_back({options.png, [png = std::move(png)](std::ostream& out) { out << png; }});
  } else {
    outputs.push_back({options.output, [&document](std::ostream& out) { sim::WriteSvg(document, out); }});
  }
  if (!options.json.empty())
    outputs.push_back({options.json, [&document](std::ostream& out) { sim::WriteJson(document, out); }});
  if (!WriteAllOrNothing(outputs, &error)) return Fail(error + "\nnothing written");

  const size_t instances = document.liveCount(sim::ArtKind::kInstance);
  const size_t groups = document.liveCount(sim::ArtKind::kGroup);
  std::string made = groups == 0 || instances > 0 ? Plural(instances, "instance", "instances") : "";
  if (groups > 0) made += (made.empty() ? "" : " and ") + Plural(groups, "group", "groups") + " of plain artwork";
  std::string files;
  for (const OutputFile& output : outputs) files += (files.empty() ? "" : ", ") + output.path;
  std::cerr << "quillane " << kCommand << ": " << made << " in "
            << Plural(document.layers().size(), "layer", "layers") << ", seed " << seed << " -> " << files
            << "\n";
  return 0;
}

}  // namespace

void AddRenderCommand(CLI::App& parent, int& exitCode) {
  auto options = std::make_shared<RenderOptions>();
  CLI::App* render = parent.add_subcommand(
      "render", "Make one arrangement as a user of the host would, and write it as SVG (and JSON, PNG)");
  render->footer(
      "Plays the session a user of the host plays: start-up, the filter \"Quillane...\" with its\n"
      "dialog (the preset, the fill mode and every value entered into the dialog's own items,\n"
      "each on its page, then OK), shut-down. Then writes the document. A value outside the range\n"
      "of its item is refused: the dialog is cancelled and nothing is written.\n\n"
      "Parameters for --set NAME=VALUE (quillane params lists them with ranges and defaults):\n" +
      NamesHelp() +
      "\n  Check boxes take on or off: --set layer:random-symbols=on"
      "\n\nExit status: 0 written; 1 bad usage or input (nothing written); 2 the plug-in reported"
      "\na failure (its message is printed; nothing written)."
      "\n\nExamples:"
      "\n  quillane render --preset \"Equal row column grid\" --seed 1 -o grid.svg --json grid.json"
      "\n  quillane render --preset 16 --set symbols=6 --set row:setup.angle=90 -o rows.svg"
      "\n  quillane render --layers 4 --set layer:setup.scale=80 --set layer:start.y=30 -o layers.svg"
      "\n  quillane render --fill \"fill alternate slots\" --set jitter-angle=45 --seed 7 -o a.svg"
      "\n  quillane render --symbols leaf.svg drop.svg --random-symbols --set row:symbols=5 -o mine.svg"
#if QUILLANE_HAVE_RSVG
      "\n  quillane render --preset \"two rows/reflected\" -o rows.svg --png rows.png --png-width 400"
#endif
  );
  render->add_option("-o,--output", options->output, "Write the document as an SVG picture to FILE")
      ->required()
      ->type_name("FILE");
  render->add_option("--json", options->json, "Also write the document as JSON to FILE")->type_name("FILE");
  render->add_option("--png", options->png,
                     kCanWritePng ? "Also write the picture as a PNG image to FILE"
                                  : "PNG images: not in this build (it was built without librsvg)")
      ->type_name("FILE");
  render->add_option("--png-width", options->pngWidth,
                     "Width of the PNG image in pixels (default: one pixel per point, at most 4096)")
      ->check(CLI::Range(1, 16384))
      ->type_name("PX");
  options->presetOption =
      render->add_option("--preset", options->preset,
                         "Choose a preset: its id (0 to 17) or its text, case-insensitive (quillane presets)")
          ->type_name("NAME|ID");
  options->fillOption =
      render->add_option("--fill", options->fill, "Choose the fill mode: its id (0 to 10) or its text (quillane params)")
          ->type_name("MODE");
  render->add_option("--set", options->sets, "Enter a value into the dialog, e.g. --set gap.x=30 (repeatable)")
      ->type_name("NAME=VALUE")
      ->allow_extra_args(false);
  options->layersOption =
      render->add_option("--layers", options->layers, "Extra layer passes (the same as --set layers=N)")
          ->type_name("N");
  render->add_flag("--random-symbols", options->randomSymbols, "Tick \"Symbols [R]\": a random symbol in every slot");
  auto* ordered = render->add_flag("--ordered", options->ordered, "Tick \"Ordered\": the symbols in document order");
  auto* noOrdered = render->add_flag("--no-ordered", options->noOrdered, "Untick \"Ordered\"");
  ordered->excludes(noOrdered);
  auto* link = render->add_flag("--link-proportional", options->linkProportional,
                                "Tick \"Link / proportional\": vertical scale follows horizontal");
  auto* noLink = render->add_flag("--no-link-proportional", options->noLinkProportional,
                                  "Untick \"Link / proportional\"");
  link->excludes(noLink);
  render->add_flag("--random-count", options->randomCount,
                   "Tick \"Random number of symbols\": a random count per row in every pass");
  render->add_flag("--break-link", options->breakLink,
                   "Tick \"Break link with symbol\": plain artwork instead of instances");
  render->add_option("--symbols", options->symbols,
                     "SVG files, one symbol each, in this order, the first selected (default: the built-in six)")
      ->type_name("FILE.svg ...")
      ->expected(1, -1);
  options->seedOption = render->add_option(
      "--seed", options->seed, "Seed of the host's random source (default: from the clock; always printed)")
      ->check([](const std::string& text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos && text.size() <= 18
                   ? std::string()
                   : "the seed is a whole number from 0 to 999999999999999999, not '" + text + "'";
      })
      ->type_name("N");
  render->add_option("--module", options->module, "Plug-in module to load (default: beside the command)")
      ->type_name("PATH");
  render->add_option("--fail", options->fails,
                     "Make a host operation fail, as a session script's fail line: "
                     "\"OPERATION [after N] [times M] [status CODE]\" (repeatable)")
      ->type_name("RULE");
  render->add_flag("-v,--verbose", options->verbose, "Print the session's messages and dialog steps on standard error");
  render->callback([options, &exitCode] { exitCode = Render(*options); });
}

}  // namespace app
