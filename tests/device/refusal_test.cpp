#include "device/refusal.h"

#include <gtest/gtest.h>

#include "support/device_fixture.h"

namespace zel {
namespace {

class Refusal : public testing::Test, public test::DeviceFixture {
 protected:
  QString Expected(int id, QList<QVariant> args) {
    return state.language.Text(2362_t) + FormatText(state.language.Text(TextId{id}), args);
  }
};

TEST_F(Refusal, ArgumentsFollowTheErrorCode) {
  snapshot.configurationBlock[43 + 1] = 0x01;  // run 2 counts with a counter
  const struct {
    int code, a, b;
    QList<QVariant> args;
  } cases[] = {
      {12, 0, 5, {5, 1}},     {62, 2, 7, {7, 3}},   {66, 4, 0, {4}},   {118, 1, 2, {3, 2}},
      {3, 9, 9, {}},          {40, 0, 0, {1}},      {160, 0, 0, {}},   {13, 2, 0, {3}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatDeviceRefusal(session, uint8_t(c.code), uint8_t(c.a), uint8_t(c.b)),
              Expected(1914 + c.code, c.args))
        << c.code;
  // Code 39 names the kind of the run: a counter for run 2, a restriction device for run 1.
  EXPECT_EQ(FormatDeviceRefusal(session, 39, 1, 0),
            Expected(1953, {state.language.Text(1838_t), 2}));
  EXPECT_EQ(FormatDeviceRefusal(session, 39, 0, 0),
            Expected(1953, {state.language.Text(1837_t), 1}));
  // Codes 155 and 157 name an item of a list by B.
  EXPECT_EQ(FormatDeviceRefusal(session, 155, 1, 0),
            Expected(1914 + 155, {state.language.Text(TextId{2075}), 2}));
  EXPECT_EQ(FormatDeviceRefusal(session, 157, 0, 0),
            Expected(1914 + 157, {state.language.Text(TextId{1398}), 1}));
  EXPECT_EQ(FormatDeviceRefusal(session, 39, 200, 0),
            Expected(1953, {state.language.Text(1837_t), 201}));
}

TEST_F(Refusal, UndocumentedCodeShowsItsNumber) {
  EXPECT_EQ(FormatDeviceRefusal(session, 200, 0, 0), state.language.Text(2362_t) + "200");
}

}  // namespace
}  // namespace zel
