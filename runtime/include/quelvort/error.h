#pragma once
// The one exception of the system: a raised error with the five fields that
// callers read and pass on.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace rt {

// Standard error numbers of the runtime that our code raises or tests for.
namespace err {
inline constexpr int32_t InvalidArgument = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t BadFileMode = 54;
inline constexpr int32_t PathFileAccess = 75;
inline constexpr int32_t PathNotFound = 76;
inline constexpr int32_t InvalidUseOfNull = 94;
inline constexpr int32_t CannotCreateObject = 429;
inline constexpr int32_t ObjectDoesNotSupport = 438;
}  // namespace err

class Error : public std::exception {
public:
    Error(int32_t number, std::string source, std::string description,
          std::string helpFile = {}, int32_t helpContext = 0);

    // A runtime error with the runtime's own description for the number.
    static Error Runtime(int32_t number, std::string source = "Quelvo");

    const char* what() const noexcept override;

    int32_t Number;
    std::string Source;
    std::string Description;
    std::string HelpFile;
    int32_t HelpContext;
};

// The runtime's description text of a standard error number ("" if unknown).
std::string RuntimeDescription(int32_t number);

// The three ways a procedure puts its location in front of an error it passes
// on. Number and source never change.

// location, CR LF, description (classes; help is not passed on).
Error WithLocationLineBefore(const Error& e, std::string_view location);
// location, description, CR LF (forms, controls, module procedures; help is
// not passed on).
Error WithLocationLineAfter(const Error& e, std::string_view location);
// location, one blank, description (public members of the data server; help
// file and context are kept).
Error WithLocationBlank(const Error& e, std::string_view location);

}  // namespace rt
