#include "userdefs/UserDefinitionFormat.h"

#include <algorithm>
#include <cstdint>

#include "platform/BinaryIO.h"

namespace quorvix {

namespace {

// Reads the count and then records one after another with readOne, which
// returns false when the bytes end inside a record.
template <class Record, class ReadOne>
std::vector<Record> DecodeRecords(std::string_view bytes, ReadOne readOne) {
    std::vector<Record> records;
    ByteReader in(bytes);
    std::int32_t count = 0;
    if (!in.ReadInt32(count) || count <= 0) return records;
    // Nothing is reserved for the count: it is only a claim, and the records
    // that really follow are few when the file is damaged.
    const int wanted = std::min<std::int32_t>(count, kMaxUserRecords);
    for (int i = 0; i < wanted; ++i) {
        Record record;
        if (!readOne(in, record)) break;
        records.push_back(std::move(record));
    }
    return records;
}

template <class Record, class WriteOne>
std::string EncodeRecords(const std::vector<Record>& records, WriteOne writeOne) {
    ByteWriter out;
    out.WriteInt32(static_cast<std::int32_t>(records.size()));
    for (const Record& record : records) writeOne(out, record);
    return out.bytes();
}

std::int32_t ArgumentCountInRange(std::int32_t count) {
    return std::clamp<std::int32_t>(count, 0, kMaxFunctionArguments);
}

}  // namespace

std::vector<UserConstant> DecodeUserConstants(std::string_view bytes) {
    return DecodeRecords<UserConstant>(bytes, [](ByteReader& in, UserConstant& c) {
        return in.ReadTextLimited(c.name, kMaxConstantName) &&
               in.ReadTextLimited(c.unit, kMaxConstantUnit) && in.ReadDouble(c.value);
    });
}

std::string EncodeUserConstants(const std::vector<UserConstant>& constants) {
    return EncodeRecords(constants, [](ByteWriter& out, const UserConstant& c) {
        out.WriteText(c.name);
        out.WriteText(c.unit);
        out.WriteDouble(c.value);
    });
}

std::vector<UserConversion> DecodeUserConversions(std::string_view bytes) {
    return DecodeRecords<UserConversion>(bytes, [](ByteReader& in, UserConversion& c) {
        return in.ReadTextLimited(c.name, kMaxConversionUnit) &&
               in.ReadTextLimited(c.base, kMaxConversionUnit) && in.ReadDouble(c.factor);
    });
}

std::string EncodeUserConversions(const std::vector<UserConversion>& conversions) {
    return EncodeRecords(conversions, [](ByteWriter& out, const UserConversion& c) {
        out.WriteText(c.name);
        out.WriteText(c.base);
        out.WriteDouble(c.factor);
    });
}

std::vector<UserFunction> DecodeUserFunctions(std::string_view bytes) {
    return DecodeRecords<UserFunction>(bytes, [](ByteReader& in, UserFunction& f) {
        if (!(in.ReadTextLimited(f.name, kMaxFunctionName) &&
              in.ReadTextLimited(f.expression, kMaxFunctionExpression) &&
              in.ReadTextLimited(f.syntax, kMaxFunctionSyntax) &&
              in.ReadTextLimited(f.description, kMaxFunctionDescription) &&
              in.ReadInt32(f.minArgs) && in.ReadInt32(f.maxArgs))) {
            return false;
        }
        // Above 30 is lowered to 30; a negative count (never written by the
        // program) would size a compiled function's slots negatively: 0.
        f.minArgs = ArgumentCountInRange(f.minArgs);
        f.maxArgs = ArgumentCountInRange(f.maxArgs);
        return true;
    });
}

std::string EncodeUserFunctions(const std::vector<UserFunction>& functions) {
    return EncodeRecords(functions, [](ByteWriter& out, const UserFunction& f) {
        out.WriteText(f.name);
        out.WriteText(f.expression);
        out.WriteText(f.syntax);
        out.WriteText(f.description);
        out.WriteInt32(f.minArgs);
        out.WriteInt32(f.maxArgs);
    });
}

}  // namespace quorvix
