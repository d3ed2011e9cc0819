#pragma once
// The rows of one query, read whole when the query runs: scrollable, with a
// row count, fields readable by position and by name (any letter case).
// Header-only, so both sides of the library boundary share one definition.
#include <strings.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "quelvort/error.h"
#include "quelvort/variant.h"

namespace quelvodat {

class Recordset {
public:
    static constexpr int32_t kNoCurrentRecord = 3021;
    static constexpr int32_t kItemNotFound = 3265;

    Recordset(std::vector<std::string> fieldNames, std::vector<std::vector<rt::Variant>> rows)
        : fieldNames_(std::move(fieldNames)), rows_(std::move(rows)) {
        if (rows_.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
            throw rt::Error::Runtime(rt::err::Overflow, "Quelvodat");
    }

    int32_t RecordCount() const { return static_cast<int32_t>(rows_.size()); }
    int32_t FieldCount() const { return static_cast<int32_t>(fieldNames_.size()); }
    const std::string& FieldName(int32_t index) const {
        checkIndex(index);
        return fieldNames_[static_cast<size_t>(index)];
    }

    bool Eof() const { return position_ >= rows_.size(); }
    void MoveFirst() { position_ = 0; }
    void MoveLast() { position_ = rows_.empty() ? 0 : rows_.size() - 1; }
    void MoveNext() {
        current();
        ++position_;
    }

    // The current row's field; error 3021 when there is no current row and
    // 3265 for an unknown field.
    const rt::Variant& Field(int32_t index) const {
        const auto& row = current();
        checkIndex(index);
        return row[static_cast<size_t>(index)];
    }
    const rt::Variant& Field(std::string_view name) const {
        for (size_t i = 0; i < fieldNames_.size(); ++i) {
            const auto& candidate = fieldNames_[i];
            if (candidate.size() == name.size() &&
                strncasecmp(candidate.data(), name.data(), name.size()) == 0)
                return Field(static_cast<int32_t>(i));
        }
        throw rt::Error(kItemNotFound, "Quelvodat",
                        "Item not found in this collection: " + std::string(name));
    }

private:
    void checkIndex(int32_t index) const {
        if (index < 0 || index >= FieldCount())
            throw rt::Error(kItemNotFound, "Quelvodat", "Item not found in this collection.");
    }
    const std::vector<rt::Variant>& current() const {
        if (Eof()) throw rt::Error(kNoCurrentRecord, "Quelvodat", "No current record.");
        return rows_[position_];
    }

    std::vector<std::string> fieldNames_;
    std::vector<std::vector<rt::Variant>> rows_;
    size_t position_ = 0;
};

}  // namespace quelvodat
