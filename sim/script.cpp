#include "sim/script.h"

#include <charconv>
#include <map>

#include "plugin/params/param_block.h"
#include "sim/export_json.h"
#include "sim/export_svg.h"
#include "sim/status_text.h"

namespace sim {
namespace {

using Words = std::vector<std::string>;
using Action = Script::Action;

// An action that cannot fail once its line has been read.
template <typename F>
Action Do(F f) {
  return [f](Host& host, std::string*) {
    f(host);
    return true;
  };
}
// Turns the words of a line into an action, or sets *error.
using ActionParser = std::optional<Action> (*)(const Words& words, std::string* error);

std::optional<int64_t> ParseInteger(const std::string& text) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool ExpectCount(const Words& words, size_t count, const char* usage, std::string* error) {
  if (words.size() == count) return true;
  *error = std::string("expected: ") + usage;
  return false;
}

std::optional<Action> ParseLifecycle(const Words& words, std::string* error) {
  if (!ExpectCount(words, 1, words[0].c_str(), error)) return std::nullopt;
  const std::string verb = words[0];
  if (verb == "startup") return Do([](Host& h) { h.Startup(); });
  if (verb == "shutdown") return Do([](Host& h) { h.Shutdown(); });
  if (verb == "about") return Do([](Host& h) { h.About(); });
  if (verb == "unload") return Do([](Host& h) { h.Unload(); });
  return Do([](Host& h) { h.Reload(); });
}

std::optional<Action> ParseSend(const Words& words, std::string* error) {
  if (!ExpectCount(words, 3, "send \"CALLER\" \"SELECTOR\"", error)) return std::nullopt;
  return Do([caller = words[1], selector = words[2]](Host& h) { h.Send(caller, selector); });
}

// fail OPERATION|acquire "SUITE" [after N] [times M] [status CODE]
std::optional<Action> ParseFail(const Words& words, std::string* error) {
  const char* usage = "fail OPERATION [after N] [times M] [status CODE], or fail acquire \"SUITE NAME\" ...";
  if (words.size() < 2) {
    *error = std::string("expected: ") + usage;
    return std::nullopt;
  }
  size_t next = 2;
  std::optional<Op> op;
  std::string suite;
  if (words[1] == "acquire") {
    if (words.size() < 3) {
      *error = "fail acquire needs the suite's name in double quotes";
      return std::nullopt;
    }
    suite = words[2];
    next = 3;
  } else {
    op = FailableOpByName(words[1]);
    if (!op) {
      *error = "no operation " + Quote(words[1]) + " that answers with a status";
      return std::nullopt;
    }
  }
  FaultRule rule;
  rule.status = op ? MakeCode("FAIL") : kSuiteNotFound;
  while (next < words.size()) {
    const std::string& key = words[next];
    if (next + 1 >= words.size()) {
      *error = Quote(key) + " needs a value";
      return std::nullopt;
    }
    const std::string& value = words[next + 1];
    if (key == "after" || key == "times") {
      const auto number = ParseInteger(value);
      if (!number || *number < 0 || *number > INT32_MAX) {
        *error = key + " needs a count of 0 or more, not " + Quote(value);
        return std::nullopt;
      }
      (key == "after" ? rule.after : rule.times) = static_cast<int>(*number);
    } else if (key == "status") {
      const auto status = ParseStatus(value);
      if (!status) {
        *error = "status needs a number or a four-character code, not " + Quote(value);
        return std::nullopt;
      }
      rule.status = *status;
    } else {
      *error = "unknown word " + Quote(key) + " (expected after, times or status)";
      return std::nullopt;
    }
    next += 2;
  }
  if (op) return Do([op = *op, rule](Host& h) { h.faults().FailOperation(op, rule); });
  return Do([suite, rule](Host& h) { h.faults().FailAcquisition(suite, rule); });
}

// during OPERATION send "CALLER" "SELECTOR"
std::optional<Action> ParseDuring(const Words& words, std::string* error) {
  if (words.size() != 5 || words[2] != "send") {
    *error = "expected: during OPERATION send \"CALLER\" \"SELECTOR\"";
    return std::nullopt;
  }
  std::optional<Op> op;
  for (int i = 0; i < kOpCount && !op; ++i)
    if (OpName(static_cast<Op>(i)) == words[1]) op = static_cast<Op>(i);
  if (!op) {
    *error = "no operation " + Quote(words[1]);
    return std::nullopt;
  }
  return Do([op = *op, caller = words[3], selector = words[4]](Host& h) {
    h.SendDuring(op, caller, selector);
  });
}

std::optional<Action> ParseGo(const Words& words, std::string* error) {
  if (!ExpectCount(words, 1, "go", error)) return std::nullopt;
  return Do([](Host& h) { h.Go(); });
}

// The slot a "param" line names: NAME, NAME@PAGE or a slot number.
std::optional<int32_t> ParseSlotName(const std::string& text, std::string* error) {
  if (const auto number = ParseInteger(text)) {
    if (*number < 0 || *number >= kParamSlotCount) {
      *error = "slot " + text + " is outside 0 to " + std::to_string(kParamSlotCount - 1);
      return std::nullopt;
    }
    return static_cast<int32_t>(*number);
  }
  const size_t at = text.find('@');
  const std::string name = text.substr(0, at);
  const ParamInfo* info = FindParam(name);
  if (info == nullptr) {
    std::string names;
    for (const ParamInfo& known : kParamInfos) names += std::string(names.empty() ? "" : ", ") + known.name;
    *error = "no parameter " + Quote(name) + " (known: " + names + ")";
    return std::nullopt;
  }
  int64_t index = 0;
  if (at != std::string::npos) {
    const auto page = ParseInteger(text.substr(at + 1));
    if (!page || info->slotCount == 1) {
      *error = info->slotCount == 1 ? Quote(name) + " has one value for all pages"
                                    : "bad page " + Quote(text.substr(at + 1));
      return std::nullopt;
    }
    index = *page;
  }
  const int32_t slot = ParamSlotIndex(*info, static_cast<int32_t>(index));
  if (slot < 0) {
    *error = Quote(name) + " has no page " + std::to_string(index) + " (0 to " +
             std::to_string(info->slotCount - 1) + ")";
    return std::nullopt;
  }
  return slot;
}

// param NAME[@PAGE] VALUE | param SLOT VALUE: writes a slot of the filter's
// stored block, which is made with its defaults first when there is none.
std::optional<Action> ParseParam(const Words& words, std::string* error) {
  if (!ExpectCount(words, 3, "param NAME[@PAGE] VALUE, or param SLOT VALUE", error)) return std::nullopt;
  const auto slot = ParseSlotName(words[1], error);
  if (!slot) return std::nullopt;
  const ParamInfo* info = FindParamOfSlot(*slot);
  const ParamKind kind = info ? info->kind : ParamKind::Int;
  const std::string& text = words[2];
  ParamSlot value{};
  if (kind == ParamKind::Float) {
    float number = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (failure != std::errc() || end != text.data() + text.size()) {
      *error = words[1] + " takes a number, not " + Quote(text);
      return std::nullopt;
    }
    value.f = number;
  } else {
    const auto number = ParseInteger(text);
    if (!number || *number < INT32_MIN || *number > INT32_MAX) {
      *error = words[1] + " takes a whole number, not " + Quote(text);
      return std::nullopt;
    }
    if (kind == ParamKind::Bool && *number != 0 && *number != 1) {
      *error = words[1] + " is on or off: 1 or 0, not " + Quote(text);
      return std::nullopt;
    }
    value.i = static_cast<int32_t>(*number);
  }
  return Do([slot = *slot, value](Host& h) { h.StoredParameters().slot[slot] = value; });
}

std::optional<Action> ParseSeed(const Words& words, std::string* error) {
  if (!ExpectCount(words, 2, "seed N", error)) return std::nullopt;
  const auto seed = ParseInteger(words[1]);
  if (!seed || *seed < 0) {
    *error = "seed takes a whole number of 0 or more, not " + Quote(words[1]);
    return std::nullopt;
  }
  return Do([seed = static_cast<uint64_t>(*seed)](Host& h) { h.random().Seed(seed); });
}

// random V1 V2 ...: values the random source answers next, each in [0, 1).
std::optional<Action> ParseRandom(const Words& words, std::string* error) {
  if (words.size() < 2) {
    *error = "expected: random V1 V2 ...";
    return std::nullopt;
  }
  std::vector<float> values;
  for (size_t i = 1; i < words.size(); ++i) {
    float value = 0;
    const std::string& text = words[i];
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || !(value >= 0.0f && value < 1.0f)) {
      *error = "random values lie in [0, 1), not " + Quote(text);
      return std::nullopt;
    }
    values.push_back(value);
  }
  return Do([values](Host& h) { h.random().Script(values); });
}

// select-symbol INDEX | select-symbol none: the symbol selected in the palette.
std::optional<Action> ParseSelectSymbol(const Words& words, std::string* error) {
  if (!ExpectCount(words, 2, "select-symbol INDEX, or select-symbol none", error)) return std::nullopt;
  int32_t index = -1;
  if (words[1] != "none") {
    const auto number = ParseInteger(words[1]);
    if (!number || *number < 0 || *number > INT32_MAX) {
      *error = "select-symbol takes a symbol index from 0, or none, not " + Quote(words[1]);
      return std::nullopt;
    }
    index = static_cast<int32_t>(*number);
  }
  return Action([index](Host& h, std::string* why) {
    if (h.document().SelectSymbol(index)) return true;
    *why = "no symbol " + std::to_string(index) + " (the document has " +
           std::to_string(h.document().symbols().size()) + ")";
    return false;
  });
}

// export svg FILE | export json FILE: the document, written whole or not at all.
std::optional<Action> ParseExport(const Words& words, std::string* error) {
  if (words.size() != 3 || (words[1] != "svg" && words[1] != "json")) {
    *error = "expected: export svg FILE, or export json FILE";
    return std::nullopt;
  }
  const bool svg = words[1] == "svg";
  return Action([svg, path = words[2]](Host& h, std::string* why) {
    return svg ? WriteSvgFile(h.document(), path, why) : WriteJsonFile(h.document(), path, why);
  });
}

std::optional<Action> ParseFilter(const Words& words, std::string* error) {
  if (!ExpectCount(words, 1, "filter", error)) return std::nullopt;
  return Do([](Host& h) { h.Filter(); });
}

// user set ITEM VALUE | user select ITEM INDEX | user check ITEM 0|1 |
// user click ITEM | user bounds L T R B: queued for the next modal dialogs.
std::optional<Action> ParseUser(const Words& words, std::string* error) {
  const char* usage =
      "user set ITEM VALUE, user select ITEM INDEX, user check ITEM 0|1, user click ITEM, or "
      "user bounds L T R B";
  if (words.size() < 2) {
    *error = std::string("expected: ") + usage;
    return std::nullopt;
  }
  const std::string& what = words[1];
  const auto integer = [&](size_t i, int64_t low, int64_t high) -> std::optional<int32_t> {
    const auto number = i < words.size() ? ParseInteger(words[i]) : std::nullopt;
    if (!number || *number < low || *number > high) {
      *error = "user " + what + ": " + (i < words.size() ? Quote(words[i]) : std::string("nothing")) +
               " is not a whole number from " + std::to_string(low) + " to " + std::to_string(high);
      return std::nullopt;
    }
    return static_cast<int32_t>(*number);
  };
  UserAction action;
  size_t expected = 3;
  if (what == "set") {
    action.kind = UserAction::Kind::kSet;
    expected = 4;
    if (words.size() == 4) {
      const std::string& text = words[3];
      double value = 0;
      const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
      if (failure != std::errc() || end != text.data() + text.size()) {
        *error = "user set: " + Quote(text) + " is not a number";
        return std::nullopt;
      }
      action.value = value;
    }
  } else if (what == "select" || what == "check") {
    action.kind = what == "select" ? UserAction::Kind::kSelect : UserAction::Kind::kCheck;
    expected = 4;
    if (words.size() == 4) {
      const auto value = integer(3, 0, what == "check" ? 1 : INT32_MAX);
      if (!value) return std::nullopt;
      action.value = *value;
    }
  } else if (what == "click") {
    action.kind = UserAction::Kind::kClick;
  } else if (what == "bounds") {
    action.kind = UserAction::Kind::kBounds;
    expected = 6;
    if (words.size() == 6) {
      int32_t sides[4];
      for (int i = 0; i < 4; ++i) {
        const auto side = integer(2 + i, INT32_MIN, INT32_MAX);
        if (!side) return std::nullopt;
        sides[i] = *side;
      }
      action.bounds = {sides[0], sides[1], sides[2], sides[3]};
    }
  } else {
    *error = std::string("expected: ") + usage;
    return std::nullopt;
  }
  if (words.size() != expected) {
    *error = std::string("expected: ") + usage;
    return std::nullopt;
  }
  if (action.kind != UserAction::Kind::kBounds) {
    const auto item = integer(2, INT32_MIN, INT32_MAX);
    if (!item) return std::nullopt;
    action.item = *item;
  }
  return Do([action](Host& h) { h.dialogs().Queue(action); });
}

const std::map<std::string, ActionParser, std::less<>>& Verbs() {
  static const std::map<std::string, ActionParser, std::less<>> verbs = {
      {"startup", ParseLifecycle}, {"shutdown", ParseLifecycle}, {"about", ParseLifecycle},
      {"unload", ParseLifecycle},  {"reload", ParseLifecycle},   {"send", ParseSend},
      {"fail", ParseFail},         {"during", ParseDuring},     {"go", ParseGo},
      {"param", ParseParam},       {"seed", ParseSeed},         {"random", ParseRandom},
      {"select-symbol", ParseSelectSymbol}, {"export", ParseExport},
      {"filter", ParseFilter},     {"user", ParseUser},
  };
  return verbs;
}

}  // namespace

std::optional<std::vector<std::string>> SplitWords(std::string_view line, std::string* error) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      std::string word;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        if (line[i] == '\\' && i + 1 < line.size()) {
          word += line[i + 1];
          i += 2;
        } else if (line[i] == '"') {
          closed = true;
          ++i;
          break;
        } else {
          word += line[i++];
        }
      }
      if (!closed) {
        *error = "a double quote is not closed";
        return std::nullopt;
      }
      words.push_back(std::move(word));
    } else {
      const size_t start = i;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '"')
        ++i;
      words.emplace_back(line.substr(start, i - start));
    }
  }
  return words;
}

std::optional<Script> Script::Parse(std::string_view text, std::string* error) {
  Script script;
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    std::string why;
    const auto words = SplitWords(line, &why);
    if (!words) {
      *error = "line " + std::to_string(number) + ": " + why;
      return std::nullopt;
    }
    if (words->empty()) continue;
    const auto verb = Verbs().find((*words)[0]);
    if (verb == Verbs().end()) {
      *error = "line " + std::to_string(number) + ": unknown action " + Quote((*words)[0]);
      return std::nullopt;
    }
    auto action = verb->second(*words, &why);
    if (!action) {
      *error = "line " + std::to_string(number) + ": " + why;
      return std::nullopt;
    }
    script.actions_.push_back({number, std::move(*action)});
  }
  return script;
}

bool Script::Run(Host& host, std::string* error) const {
  for (const auto& [line, action] : actions_) {
    std::string why;
    if (!action(host, &why)) {
      *error = "line " + std::to_string(line) + ": " + why;
      return false;
    }
  }
  return true;
}

}  // namespace sim
