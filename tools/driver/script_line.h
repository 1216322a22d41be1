#pragma once
// One line of a driver script: its number, command word and arguments.

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sc::driver {

struct ScriptLine {
    int number = 0;
    std::string word;               // the command
    std::string rest;               // everything after the command word, trimmed
    std::vector<std::string> args;  // rest split on blanks
};

// A line the driver cannot carry out: the run stops with its line number.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads a script one command at a time, as its lines arrive: blank lines and
// comments ('#' to the end of the line) are skipped but still numbered.
class ScriptReader {
public:
    explicit ScriptReader(std::istream& in) : in_(in) {}
    // The next command; nullopt at the end of the input.
    std::optional<ScriptLine> next();

private:
    std::istream& in_;
    int number_ = 0;
};

// Reads the whole script at once.
std::vector<ScriptLine> readScript(std::istream& in);

// Splits on a separator, keeping empty pieces (an empty name is an empty slot).
std::vector<std::string> splitOn(const std::string& text, char separator);
std::string trimmed(const std::string& text);

// A whole number within [low, high], or a ScriptError naming `what`.
int wholeNumberArgument(const std::string& text, const std::string& what, int low, int high);

}  // namespace sc::driver
