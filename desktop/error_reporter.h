#pragma once

#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <type_traits>

namespace lernwerk {

// Where the program's failures go: a critical message box captioned with the
// application title. One reporter exists per run; the entry point creates it
// and passes it to every window that runs user commands.
class ErrorReporter {
public:
    using Sink = std::function<void(const QString& caption, const QString& message)>;

    // The application title captions every error box; the start screen sets it.
    void setTitle(const QString& title) { title_ = title; }
    const QString& title() const { return title_; }

    // Tests put a recorder in place of the message box; an empty sink
    // restores the box.
    void setSink(Sink sink) { sink_ = std::move(sink); }

    // Shows a failure to the user.
    void show(const QString& message) const;

    // Runs a user command; a failure it throws ends the command and is shown.
    // Every handler connected to a control runs through here.
    template <typename Handler>
    void guarded(Handler&& handler) const
    {
        try {
            handler();
        } catch (const std::exception& failure) {
            show(QString::fromUtf8(failure.what()));
        }
    }

private:
    QString title_;
    Sink sink_;
};

// Connects `signal` of `sender` to `handler`, run through `errors.guarded`
// while `receiver` lives. The handler is a member function of `receiver` or a
// callable; it takes the signal's arguments, or none.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connectGuarded(const Sender* sender, Signal signal, Receiver* receiver,
                                       const ErrorReporter& errors, Handler handler)
{
    return QObject::connect(sender, signal, receiver, [&errors, receiver, handler](const auto&... arguments) -> void {
        errors.guarded([&] {
            // The signal's arguments are tried before the receiver alone: a
            // handler taking a bool would take the receiver's pointer as one.
            if constexpr (std::is_invocable_v<Handler, Receiver*, decltype(arguments)...>)
                std::invoke(handler, receiver, arguments...);
            else if constexpr (std::is_invocable_v<Handler, decltype(arguments)...>)
                std::invoke(handler, arguments...);
            else if constexpr (std::is_invocable_v<Handler, Receiver*>)
                std::invoke(handler, receiver);
            else
                std::invoke(handler);
        });
    });
}

}  // namespace lernwerk
