#pragma once

// TRANSITION ONLY, deleted once every window takes its ErrorReporter as a
// member: the old free functions over one global reporter.
#include "widgets/error_box.h"

namespace lernwerk {

inline ErrorReporter& transitionalReporter()
{
    static ErrorReporter reporter;
    return reporter;
}
inline void setApplicationTitle(const QString& title) { transitionalReporter().setTitle(title); }
inline QString applicationTitle() { return transitionalReporter().title(); }
inline void setErrorSink(ErrorReporter::Sink sink) { transitionalReporter().setSink(std::move(sink)); }
inline void showError(const QString& message) { transitionalReporter().show(message); }
template <typename Handler>
void guarded(Handler&& handler)
{
    transitionalReporter().guarded(std::forward<Handler>(handler));
}

}  // namespace lernwerk
