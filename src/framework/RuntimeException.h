#pragma once
// What the application is told about an error that escaped an event handler:
// a number, a message and the stack where it was raised.

#include <exception>
#include <string>
#include <vector>

namespace framework {

class RuntimeException : public std::exception {
  public:
    // The stack is taken where the exception is made, so a throw site keeps it.
    RuntimeException(int errorNumber, std::string message);
    RuntimeException(int errorNumber, std::string message, std::vector<std::string> stack);

    int ErrorNumber() const { return errorNumber_; }
    const std::string& Message() const { return message_; }
    // Empty when nothing is known of the stack; never absent.
    const std::vector<std::string>& Stack() const { return stack_; }

    const char* what() const noexcept override { return message_.c_str(); }

    // The exception being handled, as a report; call only inside a catch block.
    // Exceptions of other kinds keep their message and get number 0 and no stack.
    static RuntimeException fromCurrentException();

  private:
    int errorNumber_;
    std::string message_;
    std::vector<std::string> stack_;
};

} // namespace framework
