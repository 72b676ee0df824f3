// Command-line arguments of one subcommand: positional values, options with
// a value ("--frame 3", "--direction -1") and switches ("--all"). "--help"
// and "-h" are the switch "help" of every command.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vn::tool {

class Arguments {
public:
    // An option that is neither one of valueOptions nor one of switches is
    // an error.
    Arguments(int argc, char** argv, int first, const std::set<std::string>& valueOptions,
              const std::set<std::string>& switches);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    const std::vector<std::string>& positional() const { return positional_; }
    bool Has(const std::string& name) const { return switches_.count(name) || values_.count(name); }
    std::optional<std::string> Text(const std::string& name) const;
    // The option's value as an integer; an error is recorded when it is not one.
    std::optional<long long> Integer(const std::string& name);

private:
    std::vector<std::string> positional_;
    std::set<std::string> switches_;
    std::map<std::string, std::string> values_;
    std::string error_;
};

}  // namespace vn::tool
