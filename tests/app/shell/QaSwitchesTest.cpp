#include <gtest/gtest.h>

#include "shell/QaSwitches.h"

namespace tundle {
namespace {

TEST(QaSwitchesTest, OnlyExactlyOneSwitchesOn) {
    struct Case {
        const char* value;
        bool on;
    };
    const Case cases[] = {{"1", true},    {"true", false}, {"01", false},
                          {"yes", false}, {"", false},     {" 1", false}};
    for (const char* name : {"TUNDLE_QA_BREATHING", "TUNDLE_QA_MODE", "TUNDLE_QA_HOVER"}) {
        for (const Case& c : cases) {
            QProcessEnvironment environment;
            environment.insert(name, c.value);
            const QaSwitches switches = QaSwitches::fromEnvironment(environment, "x");
            const int on = switches.breathing + switches.qaMode + switches.hover;
            EXPECT_EQ(on, c.on ? 1 : 0) << name << "=" << c.value;
        }
    }
    EXPECT_EQ(QaSwitches::fromEnvironment(QProcessEnvironment(), QaSwitches::qaBundleIdentifier),
              QaSwitches());
}

TEST(QaSwitchesTest, CompactNeedsTheQaIdentifierToo) {
    QProcessEnvironment environment;
    environment.insert("TUNDLE_QA_COMPACT", "1");
    EXPECT_TRUE(QaSwitches::fromEnvironment(environment, "local.pet-tundle.qa-app").compact);
    EXPECT_FALSE(QaSwitches::fromEnvironment(environment, "local.pet-tundle.app").compact);
    environment.insert("TUNDLE_QA_COMPACT", "true");
    EXPECT_FALSE(QaSwitches::fromEnvironment(environment, "local.pet-tundle.qa-app").compact);
}

}  // namespace
}  // namespace tundle
