// Reading a policy file: comments, section headers, policy lines, and the include,
// switch and link-dictionary indirections, guarded against files that lead back to
// themselves.
#include <filesystem>
#include <string>
#include <vector>

#include "input/text_file.h"
#include "policy/fc.h"
#include "policy/line_syntax.h"

namespace tabulyst {
namespace {

// Deeper nesting than this is taken for a loop whatever the names say.
constexpr size_t kMaxIncludeDepth = 16;
// TextFile gives up after nine switches, dropping the file it switched from; the reader
// stops one short of that so the current file always survives a refused switch.
constexpr int kMaxSwitches = 9;

enum class Indirection { Switch, Include, LinkDictionary };

// No policy line is this long; a longer one is reported and skipped, and costs no more.
constexpr size_t kMaxLineLength = 4096;

struct IncludeKey {
    std::string_view key;
    Indirection kind;
};
constexpr IncludeKey kIncludeKeys[] = {
    {"Switch to file", Indirection::Switch},
    {"include file", Indirection::Include},
    {"Link Dictionary File", Indirection::LinkDictionary},
};

std::string Canonical(const std::string& name) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::weakly_canonical(name, error);
    return error ? name : path.string();
}

bool Readable(const std::string& name) {
    std::error_code error;
    if (name.empty() || std::filesystem::is_directory(name, error)) return false;
    std::FILE* stream = std::fopen(name.c_str(), "rb");
    if (!stream) return false;
    std::fclose(stream);
    return true;
}

bool HasDirectory(std::string_view name) {
    return name.find_first_of("/\\") != std::string_view::npos ||
           (name.size() >= 2 && name[1] == ':');
}

std::string Joined(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path.push_back('/');
    path.append(name);
    return path;
}

// One load: the reader, and for each level of its stack the names of every file that
// has occupied that level (a switch adds to the level it replaces).
class Loader {
  public:
    explicit Loader(FC& fc) : fc_(fc) { file_.SetLineLimit(kMaxLineLength); }

    bool Run(std::string_view path) {
        const std::string name(path);
        if (!file_.OpenForReading(name)) {
            Report("** Failed to open policy file ", name, " ***");
            return false;
        }
        levels_.push_back({Canonical(name)});
        TextString line;
        while (file_.ReadLine(line)) {
            // The reader drops finished includes by itself.
            while (levels_.size() > static_cast<size_t>(file_.Depth())) levels_.pop_back();
            Handle(line);
        }
        file_.Close();
        return ok_;
    }

  private:
    void Report(std::string_view before, std::string_view name, std::string_view after) {
        TextString text(before);
        text.Append(name);
        text.Append(after);
        fc_.Issue(text, 10);
    }

    void Handle(const TextString& raw) {
        if (!raw.Empty() && raw[0] == '!') return;
        // Every message about the line says where it stands.
        fc_.SetMessageOrigin(" (in " + std::string(file_.CurrentName()) + ", line " +
                             std::to_string(file_.CurrentLine()) + ")");
        HandleLine(raw);
        fc_.SetMessageOrigin("");
    }

    void HandleLine(const TextString& raw) {
        if (file_.LastLineCut()) {
            fc_.Issue("POLICY: Ignored - a line longer than " + std::to_string(kMaxLineLength) +
                          " characters",
                      10);
            ok_ = false;
            return;
        }
        // A line that needs a colon and has none is reported once, and for that alone.
        if (NeedsColon(raw.View())) {
            fc_.Issue(MissingColonMessage(raw.View()), 10);
            ok_ = false;
            return;
        }
        int group = 0;
        if (fc_.ParsePolicyLine(raw.View(), group, true, false) == kParsed) return;

        TextString collapsed(raw);
        collapsed.CollapseBlanks();
        collapsed.Trim();
        for (const IncludeKey& include : kIncludeKeys) {
            if (!collapsed.Contains(include.key, false)) continue;
            const TextString value = ValuePart(collapsed.View());
            if (value.Equals("(none)", false) || value.Equals("none", false)) return;
            Indirect(include.kind, value.Str());
            return;
        }
        if (collapsed.Empty()) return;
        TextString text("POLICY: Ignored - \\");
        text.Append(collapsed.View());
        text.AppendChar('\\');
        fc_.Issue(text, 10);
        ok_ = false;
    }

    // True when opening the file would lead back to a file still being read.
    bool IsLoop(const std::string& path) const {
        const std::string canonical = Canonical(path);
        for (const std::vector<std::string>& level : levels_)
            for (const std::string& name : level)
                if (name == canonical) return true;
        return false;
    }

    bool LoopReported(const std::string& path, bool deeper) {
        if (!IsLoop(path) && !(deeper && levels_.size() >= kMaxIncludeDepth)) return false;
        Report("ERROR: Policy include loop at ", path, "");
        ok_ = false;
        return true;
    }

    void Indirect(Indirection kind, const std::string& name) {
        // A plain name is found beside the file that names it.
        std::string path = name;
        if (!HasDirectory(name)) {
            TextString directory;
            DirectoryOf(file_.CurrentName(), directory);
            path = Joined(directory.View(), name);
        }
        const bool deeper = kind != Indirection::Switch;
        if (LoopReported(path, deeper)) return;

        if (kind == Indirection::Switch) {
            if (switches_ >= kMaxSwitches || !Readable(path)) {
                Report("** Failed to open policy include file ", name, " ***");
                ok_ = false;
                return;
            }
            ++switches_;
            if (file_.SwitchTo(path)) {
                levels_.back().push_back(Canonical(path));
            } else {
                Report("** Failed to open policy include file ", name, " ***");
                ok_ = false;
                // The reader has let go of the current file; its level is gone too.
                while (levels_.size() > static_cast<size_t>(file_.Depth())) levels_.pop_back();
            }
            return;
        }

        bool opened = Push(path);
        const TextString& inputDirectory = fc_.Text(P::InputDirectory);
        const bool secondTry =
            !inputDirectory.Empty() &&
            (kind == Indirection::LinkDictionary || (fc_.Settings() && fc_.Settings()->frontEnd));
        if (!opened && secondTry) {
            const std::string second = Joined(inputDirectory.View(), name);
            if (LoopReported(second, true)) return;
            opened = Push(second);
        }
        if (!opened) {
            Report(kind == Indirection::Include ? "** Failed to open policy include file "
                                                : "** Failed to open Link Dictionary file ",
                   name, " ***");
            ok_ = false;
            return;
        }
        if (kind == Indirection::LinkDictionary) fc_.SetText(P::LinkDictionaryFile, name);
    }

    bool Push(const std::string& path) {
        if (!file_.OpenForReading(path)) return false;
        levels_.push_back({Canonical(path)});
        return true;
    }

    FC& fc_;
    TextFile file_;
    std::vector<std::vector<std::string>> levels_;
    int switches_ = 0;
    bool ok_ = true;
};

}  // namespace

bool LoadPolicyFile(FC& fc, std::string_view path) {
    bool ok = Loader(fc).Run(path);
    if (ProgramSettings* settings = fc.WritableSettings()) {
        TextString directory;
        DirectoryOf(path, directory);
        settings->lastPolicyDirectory = directory;
        if (!settings->stylesLoaded && !fc.Text(P::StyleFile).Empty())
            settings->stylesLoaded = LoadStyleFile(fc, settings->styles, directory.View());
    }
    fc.Consolidate(false);
    return ok;
}

}  // namespace tabulyst
