#include "tool/arguments.h"

#include <cerrno>
#include <cstdlib>

namespace vn::tool {

Arguments::Arguments(int argc, char** argv, int first, const std::set<std::string>& valueOptions,
                     const std::set<std::string>& switches) {
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h") {
            switches_.insert("help");
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            const std::string name = arg.substr(2);
            if (name == "help" || switches.count(name)) {
                switches_.insert(name);
            } else if (!valueOptions.count(name)) {
                if (error_.empty()) error_ = "unknown option " + arg;
            } else if (i + 1 < argc) {
                values_[name] = argv[++i];  // may start with '-': a negative number
            } else if (error_.empty()) {
                error_ = "option " + arg + " needs a value";
            }
        } else {
            positional_.push_back(arg);
        }
    }
}

std::optional<std::string> Arguments::Text(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::optional<long long> Arguments::Integer(const std::string& name) {
    const auto text = Text(name);
    if (!text) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text->c_str(), &end, 10);
    if (text->empty() || *end != '\0' || errno != 0) {
        error_ = "--" + name + " needs a whole number, not \"" + *text + "\"";
        return std::nullopt;
    }
    return value;
}

}  // namespace vn::tool
