#pragma once

#include <string>
#include <utility>

// How Pushwell's libraries say that something went wrong: an operation that can fail gives back
// an Outcome, which is either fine or carries an error value (an enum of the library's own, or
// errno) and the words a person reads. The libraries never print; the operations whose messages
// are the game's documented behaviour, and each tool's main, print the words where they belong.
template <typename Error>
class Outcome {
  public:
    // Went well.
    Outcome() = default;
    static Outcome failure(Error error, std::string words) {
        Outcome outcome;
        outcome.failed = true;
        outcome.error_value = std::move(error);
        outcome.said = std::move(words);
        return outcome;
    }

    bool ok() const { return !failed; }
    explicit operator bool() const { return ok(); }
    // Only meaningful when not ok().
    const Error& error() const { return error_value; }
    const std::string& words() const { return said; }

  private:
    bool failed = false;
    Error error_value{};
    std::string said;
};
