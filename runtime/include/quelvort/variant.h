#pragma once
// The value that crosses between the program and the data server: Empty, Null,
// the scalar kinds, or an array of Variants with explicit bounds per dimension.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace rt {

enum class VarType { Empty, Null, Boolean, Integer, Long, Double, String, Array };

class VArray;

class Variant {
public:
    Variant() = default;  // Empty
    static Variant Null();
    static Variant Integer(int16_t v);
    static Variant Long(int32_t v);

    Variant(bool v) : value_(v) {}
    Variant(int16_t v) : value_(v) {}
    Variant(int32_t v) : value_(v) {}  // a plain int is a Long
    Variant(double v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    // The text is copied once, into the Variant.
    Variant(std::string_view v) : value_(std::in_place_type<std::string>, v) {}
    Variant(const char* v) : value_(std::string(v)) {}
    Variant(VArray a);

    VarType type() const {
        // The alternatives are declared in the order of VarType.
        const size_t i = value_.index();
        return i < static_cast<size_t>(VarType::Array) ? static_cast<VarType>(i) : VarType::Array;
    }
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNull() const { return type() == VarType::Null; }
    bool isArray() const { return type() == VarType::Array; }
    bool isString() const { return type() == VarType::String; }
    // Integer, Long or Double.
    bool isNumber() const;

    // Strict readers: error 13 when the Variant is not of that kind.
    const std::string& str() const {
        if (auto p = std::get_if<std::string>(&value_)) return *p;
        TypeMismatch();
    }
    bool boolean() const;
    int16_t integer() const;
    int32_t lng() const;
    double dbl() const;

    // The array held; error 13 when the Variant is not an array. The mutable
    // form copies a shared array first, so Variants keep value semantics.
    const VArray& array() const {
        if (auto p = std::get_if<std::shared_ptr<VArray>>(&value_)) return **p;
        TypeMismatch();
    }
    VArray& array();

    // Element access of an array Variant; error 9 outside the bounds.
    const Variant& operator()(int32_t i) const;
    Variant& operator()(int32_t i);
    const Variant& operator()(int32_t i, int32_t j) const;
    Variant& operator()(int32_t i, int32_t j);

    // Same kind and same value; arrays compare element by element.
    friend bool operator==(const Variant& a, const Variant& b);

private:
    [[noreturn]] static void TypeMismatch();
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    using Value = std::variant<std::monostate, NullTag, bool, int16_t, int32_t, double,
                               std::string, std::shared_ptr<VArray>>;
    static_assert(std::variant_size_v<Value> == static_cast<size_t>(VarType::Array) + 1 &&
                  std::is_same_v<std::variant_alternative_t<static_cast<size_t>(VarType::String),
                                                            Value>,
                                 std::string>);
    Value value_;
};

class VArray {
public:
    struct Bounds {
        int32_t lower;
        int32_t upper;
        int32_t count() const { return upper - lower + 1; }
        bool operator==(const Bounds&) const = default;
    };

    // One dimension, lower To upper (an upper below lower gives no element).
    VArray(int32_t lower, int32_t upper);
    // Two dimensions, (first, second).
    VArray(Bounds first, Bounds second);
    // A one-dimension array from 0 holding the given values.
    static VArray Of(std::initializer_list<Variant> values);

    int dimensions() const { return static_cast<int>(bounds_.size()); }
    int32_t LBound(int dimension = 1) const;
    int32_t UBound(int dimension = 1) const;
    size_t size() const { return items_.size(); }

    const Variant& at(int32_t i) const { return items_[offset(i)]; }
    Variant& at(int32_t i) { return items_[offset(i)]; }
    const Variant& at(int32_t i, int32_t j) const { return items_[offset(i, j)]; }
    Variant& at(int32_t i, int32_t j) { return items_[offset(i, j)]; }

    // Changes the upper bound of the last dimension, keeping the values.
    void RedimPreserve(int32_t upper);

    friend bool operator==(const VArray& a, const VArray& b);

private:
    friend class VArrayRows;
    VArray(Bounds first, Bounds second, std::vector<Variant> items)
        : bounds_{first, second}, items_(std::move(items)) {}
    [[noreturn]] static void OutOfRange();
    const Bounds& dim(int dimension) const;
    size_t offset(int32_t i) const {
        if (bounds_.size() != 1) OutOfRange();
        const auto& b = bounds_[0];
        if (i < b.lower || i > b.upper) OutOfRange();
        return static_cast<size_t>(i - b.lower);
    }
    size_t offset(int32_t i, int32_t j) const {
        if (bounds_.size() != 2) OutOfRange();
        const auto& b1 = bounds_[0];
        const auto& b2 = bounds_[1];
        if (i < b1.lower || i > b1.upper || j < b2.lower || j > b2.upper) OutOfRange();
        // The first index varies fastest, as in the original runtime.
        return static_cast<size_t>(j - b2.lower) * static_cast<size_t>(b1.count()) +
               static_cast<size_t>(i - b1.lower);
    }

    std::vector<Bounds> bounds_;
    std::vector<Variant> items_;
};

// A two-dimension array (field, row) made a row at a time, each value made
// where it stays: for the rows of a query, whose number is known once they
// are all read. Nothing is made twice and nothing is moved while the rows
// fit the room made at the start.
class VArrayRows {
public:
    // Rows of the fields `fields`, the first numbered `firstRow`; room is
    // made for `rows` rows at once (more only make it grow).
    VArrayRows(VArray::Bounds fields, int32_t firstRow, size_t rows);

    // The next field of the row being made, made of `value` as a Variant
    // is; error 9 past the row's last field.
    template <typename... Value>
    void Add(Value&&... value) {
        if (inRow_ == perRow_) VArray::OutOfRange();
        items_.emplace_back(std::forward<Value>(value)...);
        ++inRow_;
    }
    // Ends the row being made; the fields it was not given are Empty. Error
    // 6 for a row beyond the largest number a row can have.
    void EndRow();
    // The rows ended (a row not ended is left out).
    int32_t Rows() const { return rows_; }
    // The array of the rows ended.
    VArray Take() &&;

private:
    VArray::Bounds fields_;
    int32_t firstRow_;
    int32_t rows_ = 0;
    size_t perRow_;
    size_t inRow_ = 0;
    std::vector<Variant> items_;
};

inline const Variant& Variant::operator()(int32_t i) const { return array().at(i); }
inline const Variant& Variant::operator()(int32_t i, int32_t j) const { return array().at(i, j); }

// The runtime's free functions on Variants.
inline bool IsNull(const Variant& v) { return v.isNull(); }
inline bool IsEmpty(const Variant& v) { return v.isEmpty(); }
inline bool IsArray(const Variant& v) { return v.isArray(); }
int32_t LBound(const Variant& v, int dimension = 1);
int32_t UBound(const Variant& v, int dimension = 1);

}  // namespace rt
