#include "quelvort/error.h"

#include <utility>

namespace rt {

Error::Error(int32_t number, std::string source, std::string description,
             std::string helpFile, int32_t helpContext)
    : Number(number),
      Source(std::move(source)),
      Description(std::move(description)),
      HelpFile(std::move(helpFile)),
      HelpContext(helpContext) {}

Error Error::Runtime(int32_t number, std::string source) {
    return Error(number, std::move(source), RuntimeDescription(number));
}

const char* Error::what() const noexcept { return Description.c_str(); }

std::string RuntimeDescription(int32_t number) {
    switch (number) {
    case err::InvalidArgument: return "Invalid procedure call or argument";
    case err::Overflow: return "Overflow";
    case err::SubscriptOutOfRange: return "Subscript out of range";
    case err::TypeMismatch: return "Type mismatch";
    case err::FileNotFound: return "File not found";
    case err::BadFileMode: return "Bad file mode";
    case err::PathFileAccess: return "Path/File access error";
    case err::PathNotFound: return "Path not found";
    case err::InvalidUseOfNull: return "Invalid use of Null";
    case err::CannotCreateObject: return "ActiveX component can't create object";
    case err::ObjectDoesNotSupport: return "Object doesn't support this property or method";
    default: return {};
    }
}

Error WithLocationLineBefore(const Error& e, std::string_view location) {
    return Error(e.Number, e.Source, std::string(location) + "\r\n" + e.Description);
}

Error WithLocationLineAfter(const Error& e, std::string_view location) {
    return Error(e.Number, e.Source, std::string(location) + e.Description + "\r\n");
}

Error WithLocationBlank(const Error& e, std::string_view location) {
    return Error(e.Number, e.Source, std::string(location) + " " + e.Description, e.HelpFile,
                 e.HelpContext);
}

}  // namespace rt
