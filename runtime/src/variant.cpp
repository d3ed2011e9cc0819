#include "quelvort/variant.h"

#include "quelvort/error.h"

#include <algorithm>

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

VarType Variant::type() const {
    switch (value_.index()) {
    case 0: return VarType::Empty;
    case 1: return VarType::Null;
    case 2: return VarType::Boolean;
    case 3: return VarType::Integer;
    case 4: return VarType::Long;
    case 5: return VarType::Double;
    case 6: return VarType::String;
    default: return VarType::Array;
    }
}

bool Variant::isNumber() const {
    auto t = type();
    return t == VarType::Integer || t == VarType::Long || t == VarType::Double;
}

const std::string& Variant::str() const {
    if (auto p = std::get_if<std::string>(&value_)) return *p;
    typeMismatch();
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

const VArray& Variant::array() const {
    if (auto p = std::get_if<std::shared_ptr<VArray>>(&value_)) return **p;
    typeMismatch();
}

VArray& Variant::array() {
    auto p = std::get_if<std::shared_ptr<VArray>>(&value_);
    if (!p) typeMismatch();
    if (p->use_count() > 1) *p = std::make_shared<VArray>(**p);
    return **p;
}

const Variant& Variant::operator()(int32_t i) const { return array().at(i); }
Variant& Variant::operator()(int32_t i) { return array().at(i); }
const Variant& Variant::operator()(int32_t i, int32_t j) const { return array().at(i, j); }
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

const VArray::Bounds& VArray::dim(int dimension) const {
    if (dimension < 1 || dimension > dimensions()) outOfRange();
    return bounds_[static_cast<size_t>(dimension - 1)];
}

int32_t VArray::LBound(int dimension) const { return dim(dimension).lower; }
int32_t VArray::UBound(int dimension) const { return dim(dimension).upper; }

size_t VArray::offset(int32_t i) const {
    if (dimensions() != 1) outOfRange();
    const auto& b = bounds_[0];
    if (i < b.lower || i > b.upper) outOfRange();
    return static_cast<size_t>(i - b.lower);
}

size_t VArray::offset(int32_t i, int32_t j) const {
    if (dimensions() != 2) outOfRange();
    const auto& b1 = bounds_[0];
    const auto& b2 = bounds_[1];
    if (i < b1.lower || i > b1.upper || j < b2.lower || j > b2.upper) outOfRange();
    // The first index varies fastest, as in the original runtime.
    return static_cast<size_t>(j - b2.lower) * static_cast<size_t>(b1.count()) +
           static_cast<size_t>(i - b1.lower);
}

const Variant& VArray::at(int32_t i) const { return items_[offset(i)]; }
Variant& VArray::at(int32_t i) { return items_[offset(i)]; }
const Variant& VArray::at(int32_t i, int32_t j) const { return items_[offset(i, j)]; }
Variant& VArray::at(int32_t i, int32_t j) { return items_[offset(i, j)]; }

void VArray::RedimPreserve(int32_t upper) {
    auto& last = bounds_.back();
    last.upper = upper;
    size_t inner = 1;
    for (size_t d = 0; d + 1 < bounds_.size(); ++d)
        inner *= static_cast<size_t>(std::max(0, bounds_[d].count()));
    items_.resize(inner * static_cast<size_t>(std::max(0, last.count())));
}

bool operator==(const VArray& a, const VArray& b) {
    return a.bounds_ == b.bounds_ && a.items_ == b.items_;
}

int32_t LBound(const Variant& v, int dimension) { return v.array().LBound(dimension); }
int32_t UBound(const Variant& v, int dimension) { return v.array().UBound(dimension); }

}  // namespace rt
