#pragma once

#include <QString>
#include <stdexcept>

namespace zuvo {

// An operation that could not be done, carrying the sentence the user reads (in Italian).
// Layers throw it; the window and the builders show message() in one place.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};

// A run stopped before it used anything up: the reason, and that no quotation was made and
// no data file consumed.
inline Failure failureBeforeAnythingUsed(const QString& reason)
{
    return Failure(reason + QStringLiteral(" Nessun preventivo è stato generato e nessun file è "
                                           "stato consumato."));
}

} // namespace zuvo
