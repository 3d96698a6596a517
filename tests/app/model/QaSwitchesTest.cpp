#include <gtest/gtest.h>

#include <array>

#include "model/QaSwitches.h"

namespace tundle {
namespace {

const std::array<const char*, 4> names = {"TUNDLE_QA_BREATHING", "TUNDLE_QA_MODE",
                                          "TUNDLE_QA_COMPACT", "TUNDLE_QA_HOVER"};
const std::array<bool QaSwitches::*, 4> fields = {&QaSwitches::breathing, &QaSwitches::qaMode,
                                                  &QaSwitches::compact, &QaSwitches::hover};

TEST(QaSwitchesTest, EachSwitchIsOnOnlyForExactlyOne) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (const char* value : {"1", "true", "01", "yes", "", " 1"}) {
            QProcessEnvironment environment;
            environment.insert(names[i], value);
            QaSwitches expected;
            expected.*fields[i] = QByteArray(value) == "1";
            EXPECT_EQ(QaSwitches::fromEnvironment(environment, QaSwitches::qaBundleIdentifier),
                      expected)
                << names[i] << "=" << value;
        }
    }
    // The compact layout also needs the QA build's identifier.
    QProcessEnvironment environment;
    environment.insert("TUNDLE_QA_COMPACT", "1");
    EXPECT_FALSE(QaSwitches::fromEnvironment(environment, "local.pet-tundle.app").compact);
}

}  // namespace
}  // namespace tundle
