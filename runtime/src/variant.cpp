#include "quelvort/variant.h"

#include "quelvort/error.h"
#include "quelvort/memory.h"

#include <algorithm>
#include <limits>

namespace rt {

namespace {
[[noreturn]] void typeMismatch() { throw Error::Runtime(err::TypeMismatch); }
[[noreturn]] void outOfRange() { throw Error::Runtime(err::SubscriptOutOfRange); }
}  // namespace

Variant Variant::Null() {
    Variant v;
    v.value_ = NullTag{};
    return v;
}

Variant Variant::Integer(int16_t v) { return Variant(v); }
Variant Variant::Long(int32_t v) { return Variant(v); }

Variant::Variant(VArray a) : value_(std::make_shared<VArray>(std::move(a))) {}

void Variant::TypeMismatch() { typeMismatch(); }

bool Variant::isNumber() const {
    auto t = type();
    return t == VarType::Integer || t == VarType::Long || t == VarType::Double;
}

bool Variant::boolean() const {
    if (auto p = std::get_if<bool>(&value_)) return *p;
    typeMismatch();
}

int16_t Variant::integer() const {
    if (auto p = std::get_if<int16_t>(&value_)) return *p;
    typeMismatch();
}

int32_t Variant::lng() const {
    if (auto p = std::get_if<int32_t>(&value_)) return *p;
    typeMismatch();
}

double Variant::dbl() const {
    if (auto p = std::get_if<double>(&value_)) return *p;
    typeMismatch();
}

VArray& Variant::array() {
    auto p = std::get_if<std::shared_ptr<VArray>>(&value_);
    if (!p) typeMismatch();
    if (p->use_count() > 1) *p = std::make_shared<VArray>(**p);
    return **p;
}

Variant& Variant::operator()(int32_t i) { return array().at(i); }
Variant& Variant::operator()(int32_t i, int32_t j) { return array().at(i, j); }

bool operator==(const Variant& a, const Variant& b) {
    if (a.value_.index() != b.value_.index()) return false;
    if (a.isArray()) return a.array() == b.array();
    return a.value_ == b.value_;
}

VArray::VArray(int32_t lower, int32_t upper) : bounds_{{lower, upper}} {
    items_.resize(static_cast<size_t>(std::max(0, upper - lower + 1)));
}

VArray::VArray(Bounds first, Bounds second) : bounds_{first, second} {
    items_.resize(static_cast<size_t>(std::max(0, first.count())) *
                  static_cast<size_t>(std::max(0, second.count())));
}

VArray VArray::Of(std::initializer_list<Variant> values) {
    VArray a(0, static_cast<int32_t>(values.size()) - 1);
    size_t k = 0;
    for (const auto& v : values) a.items_[k++] = v;
    return a;
}

void VArray::OutOfRange() { outOfRange(); }

const VArray::Bounds& VArray::dim(int dimension) const {
    if (dimension < 1 || dimension > dimensions()) outOfRange();
    return bounds_[static_cast<size_t>(dimension - 1)];
}

int32_t VArray::LBound(int dimension) const { return dim(dimension).lower; }
int32_t VArray::UBound(int dimension) const { return dim(dimension).upper; }

void VArray::RedimPreserve(int32_t upper) {
    auto& last = bounds_.back();
    last.upper = upper;
    size_t inner = 1;
    for (size_t d = 0; d + 1 < bounds_.size(); ++d)
        inner *= static_cast<size_t>(std::max(0, bounds_[d].count()));
    items_.resize(inner * static_cast<size_t>(std::max(0, last.count())));
}

VArrayRows::VArrayRows(VArray::Bounds fields, int32_t firstRow, size_t rows)
    : fields_(fields), firstRow_(firstRow), perRow_(static_cast<size_t>(std::max(0, fields.count()))) {
    items_.reserve(perRow_ * rows);
    // A large list's pages are made present in one go rather than faulted
    // in one at a time as the rows fill them.
    constexpr size_t kLarge = size_t{256} << 10;
    const size_t bytes = items_.capacity() * sizeof(Variant);
    if (bytes >= kLarge) PrefaultForWriting(items_.data(), bytes);
}

void VArrayRows::EndRow() {
    // The row's number, firstRow_ + rows_, must still be one.
    if (firstRow_ + int64_t{rows_} > std::numeric_limits<int32_t>::max()) throw Error::Runtime(err::Overflow);
    items_.resize(items_.size() + (perRow_ - inRow_));
    inRow_ = 0;
    ++rows_;
}

VArray VArrayRows::Take() && {
    items_.resize(perRow_ * static_cast<size_t>(rows_));
    return VArray(fields_, {firstRow_, static_cast<int32_t>(firstRow_ + int64_t{rows_} - 1)}, std::move(items_));
}

bool operator==(const VArray& a, const VArray& b) {
    return a.bounds_ == b.bounds_ && a.items_ == b.items_;
}

int32_t LBound(const Variant& v, int dimension) { return v.array().LBound(dimension); }
int32_t UBound(const Variant& v, int dimension) { return v.array().UBound(dimension); }

}  // namespace rt
