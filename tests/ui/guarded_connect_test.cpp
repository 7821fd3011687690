#include <gtest/gtest.h>

#include <QAction>
#include <QStringList>

#include <stdexcept>

#include "desktop/error_reporter.h"

namespace lernwerk::testing {
namespace {

class Handlers : public QObject {
public:
    void takeChecked(bool checked) { seen << (checked ? QStringLiteral("on") : QStringLiteral("off")); }
    void takeNothing() { seen << QStringLiteral("called"); }
    void fail() { throw std::runtime_error("Cannot open file \"list.txt\"."); }

    QStringList seen;
};

class GuardedConnectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        errors.setSink([this](const QString&, const QString& message) { shown << message; });
        action.setCheckable(true);
    }

    ErrorReporter errors;
    QStringList shown;
    QAction action;
    Handlers handlers;
};

// The handler gets the signal's arguments when it takes them, and runs without
// them when it takes none; a member function and a callable alike.
TEST_F(GuardedConnectTest, HandlersGetTheArgumentsTheyTake)
{
    connectGuarded(&action, &QAction::triggered, &handlers, errors, &Handlers::takeChecked);
    connectGuarded(&action, &QAction::triggered, &handlers, errors, &Handlers::takeNothing);
    connectGuarded(&action, &QAction::triggered, &handlers, errors,
                   [this](bool checked) { handlers.seen << (checked ? QStringLiteral("lambda on") : QString()); });
    connectGuarded(&action, &QAction::triggered, &handlers, errors,
                   [this] { handlers.seen << QStringLiteral("lambda called"); });
    action.trigger();
    EXPECT_EQ(handlers.seen, (QStringList{"on", "called", "lambda on", "lambda called"}));
    EXPECT_TRUE(shown.isEmpty());
}

// A failing handler is shown, ends only its own run and stays connected.
TEST_F(GuardedConnectTest, AFailureIsShownAndTheNextSignalStillRuns)
{
    connectGuarded(&action, &QAction::triggered, &handlers, errors, &Handlers::fail);
    connectGuarded(&action, &QAction::triggered, &handlers, errors, &Handlers::takeNothing);
    action.trigger();
    action.trigger();
    EXPECT_EQ(shown, (QStringList{"Cannot open file \"list.txt\".", "Cannot open file \"list.txt\"."}));
    EXPECT_EQ(handlers.seen, (QStringList{"called", "called"}));
}

}  // namespace
}  // namespace lernwerk::testing
