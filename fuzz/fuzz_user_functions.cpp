// Feeds arbitrary bytes to the "user.fct" reader and compiles what it keeps,
// as loading does, then calls every callable function once with zero
// arguments: no crash, counts within 0..30, texts within their limits, and
// a lossless write and re-read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/Evaluator.h"
#include "userdefs/UserDefinitionFormat.h"
#include "userdefs/UserFunctionCompiler.h"

using namespace quorvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto functions = DecodeUserFunctions(bytes);
    if (functions.size() > static_cast<std::size_t>(kMaxUserRecords)) std::abort();
    for (const UserFunction& f : functions) {
        if (f.name.size() > kMaxFunctionName || f.expression.size() > kMaxFunctionExpression ||
            f.syntax.size() > kMaxFunctionSyntax ||
            f.description.size() > kMaxFunctionDescription) {
            std::abort();
        }
        if (f.minArgs < 0 || f.minArgs > kMaxFunctionArguments || f.maxArgs < 0 ||
            f.maxArgs > kMaxFunctionArguments) {
            std::abort();
        }
    }
    if (DecodeUserFunctions(EncodeUserFunctions(functions)) != functions) std::abort();

    std::vector<UserFunctionEntry> compiled;
    CompileUserFunctions(functions, compiled);
    if (compiled.size() != functions.size()) std::abort();
    Evaluator main;
    main.SetSlotCount(2);
    main.SetSlotName(0, "t");
    main.SetSlotName(1, "ANS");
    main.setUserFunctions(&compiled);
    for (std::size_t i = 0; i < compiled.size() && i < 8; ++i) {
        if (compiled[i].upperName.empty()) continue;
        std::string call = compiled[i].upperName + "(";
        for (int k = 0; k < functions[i].minArgs; ++k) call += k == 0 ? "1" : ",1";
        call += ")";
        main.SetExpression(call);
        if (main.Parse() == kNoError) main.Evaluate();
    }
    return 0;
}
