// Fuzz target: policy lines offered one by one to a policy set, which is then consolidated
// and saved, as the program does with a policy file's lines and the policies it states.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "policy/fc.h"

namespace {

// Keeps the saved lines' size, so that the saving is not optimised away.
class CountingSink : public tabulyst::LineSink {
  public:
    bool PutLine(std::string_view line) override {
        bytes += line.size() + 1;
        return true;
    }
    size_t bytes = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tabulyst;
    fuzz::SilentSink silent;
    FC fc(&silent.sink);
    int group = 0;
    for (const TextString& line : fuzz::ReaderLines(fuzz::Bytes(data, size)))
        fc.ParsePolicyLine(line.View(), group, true);
    fc.Consolidate(false);
    CountingSink saved;
    fc.SavePolicyFile(saved, false);
    return 0;
}
