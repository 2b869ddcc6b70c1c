#include "calculator/CatalogueSearch.h"

#include "calculator/CatalogueMenus.h"
#include "platform/CommandIds.h"
#include "calculator/FunctionCatalogue.h"
#include "calculator/KeypadHost.h"
#include "engine/TextRules.h"
#include "units/InsertionFormat.h"
#include "units/PhysicalConstants.h"
#include "units/UnitAliases.h"
#include "units/UnitCatalogue.h"

namespace quorvix {
namespace {

std::string OneEquals(std::string_view name, double factor, std::string_view base) {
    std::string text = "1 ";
    text.append(name).append(" = ").append(FormatInsertionValue(factor)).append(" ");
    text.append(base);
    return text;
}

UserMenuInsertion MultiplyBy(double factor) {
    return UserMenuInsertion{MultiplyByText(factor), 0, {}};
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    quoted.append(text).append("\"");
    return quoted;
}

std::vector<std::string> Words(std::string_view query) {
    std::vector<std::string> words;
    std::string word;
    for (char c : query) {
        if (IsSpaceOrTab(c)) {
            if (!word.empty()) words.push_back(UpperCaseAscii(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(UpperCaseAscii(word));
    return words;
}

}  // namespace

std::vector<SearchEntry> BuildSearchIndex(const std::vector<UserConstant>& constants,
                                          const ConversionList& list,
                                          const std::vector<UserFunction>& functions) {
    std::vector<SearchEntry> index;
    for (const FunctionInfo& row : FunctionCatalogue()) {
        const int command = kFirstFunctionCommand + static_cast<int>(&row - FunctionCatalogue().data());
        index.push_back({SearchKind::Function, CallSyntax(row), row.description,
                         command, FunctionInsertion(row)});
    }
    for (int k = 0; k < kPhysicalConstantCount; ++k) {
        const int command = kFirstConstantCommand + k;
        index.push_back({SearchKind::Constant, PhysicalConstantCaption(k),
                         PhysicalConstantInsertText(k), command,
                         {*CatalogueInsertText(command), 0, {}}});
    }
    for (int k = 0; k < kConversionsMenuRowCount; ++k) {
        const CatalogueRow& row = ConversionsMenuRowAt(k);
        index.push_back({SearchKind::Conversion, ConversionCaption(row.name, row.base),
                         OneEquals(row.name, row.factor, row.base),
                         kFirstEnglishToMetricCommand + k, MultiplyBy(row.factor)});
        index.push_back({SearchKind::Conversion, ConversionCaption(row.base, row.name),
                         OneEquals(row.base, 1.0 / row.factor, row.name),
                         kFirstMetricToEnglishCommand + k, MultiplyBy(1.0 / row.factor)});
    }
    auto addRow = [&](const CatalogueRow& row) {
        index.push_back({SearchKind::Conversion, ConversionCaption(row.name, row.base),
                         OneEquals(row.name, row.factor, row.base), 0, MultiplyBy(row.factor)});
    };
    for (int k = 0; k < kCatalogueRowCount; ++k) addRow(CatalogueRowAt(k));
    for (int k = 0; k < kNamedAliasCount; ++k) addRow(NamedAliasAt(k));
    for (int k = 0; k < kCompoundAliasCount; ++k) {
        const CompoundAlias& alias = CompoundAliasAt(k);
        const std::string name(alias.name);
        index.push_back({SearchKind::Conversion, ConversionCaption(alias.name, alias.expansion),
                         name + " stands for " + std::string(alias.expansion) + " in CONVERT", 0,
                         {Quoted(name), 0, {}}});
    }

    // The user definitions insert what their submenu entries insert.
    auto addUser = [&](SearchKind kind, int command, std::string title, std::string help) {
        if (auto insertion = UserMenuCommandInsertion(command, constants, list, functions))
            index.push_back({kind, std::move(title), std::move(help), command, std::move(*insertion)});
    };
    for (std::size_t i = 0; i < constants.size(); ++i) {
        const UserConstant& c = constants[i];
        addUser(SearchKind::UserDefinedConstant, kFirstUserConstantCommand + static_cast<int>(i),
                UserConstantCaption(c),
                std::string("User-defined constant ").append(FormatInsertionValue(c.value)));
    }
    for (int k = 0; k < list.UserConversionCount(); ++k) {
        const UnitRecord& r = list.at(ConversionList::kFirstUserIndex + k);
        addUser(SearchKind::UserDefinedConversion, kFirstUserConversionCommand + k,
                ConversionCaption(r.name, r.base),
                "User-defined conversion: " + OneEquals(r.name, r.factor, r.base));
    }
    for (std::size_t i = 0; i < functions.size(); ++i) {
        const UserFunction& f = functions[i];
        addUser(SearchKind::UserDefinedFunction, kFirstUserFunctionCommand + static_cast<int>(i),
                CallSyntax(f), "User-defined function: " + f.expression);
    }
    return index;
}

std::vector<const SearchEntry*> FilterSearch(const std::vector<SearchEntry>& index,
                                             std::string_view query) {
    const std::vector<std::string> words = Words(query);
    const std::string whole = UpperCaseAscii(TrimSpacesAndTabs(query));
    std::vector<const SearchEntry*> leading, others;
    for (const SearchEntry& entry : index) {
        const std::string title = UpperCaseAscii(entry.title);
        const std::string text = title + "\n" + UpperCaseAscii(entry.help);
        bool all = true;
        for (const std::string& word : words) {
            if (text.find(word) == std::string::npos) {
                all = false;
                break;
            }
        }
        if (!all) continue;
        (title.starts_with(whole) ? leading : others).push_back(&entry);
    }
    leading.insert(leading.end(), others.begin(), others.end());
    return leading;
}

void TypeSearchInsertion(const UserMenuInsertion& insertion, KeypadHost& host) {
    host.InsertText(insertion.text);
    for (int i = 0; i < insertion.caretBackFromEnd; ++i) host.Display().QueueKey(DisplayKey::Left);
    if (!insertion.tip.empty()) host.ShowHelpText(insertion.tip);
}

}  // namespace quorvix
