#include "platform/failure_info.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

namespace tallies {
namespace {

FailureInfo DescribeFailureOf(const std::function<void()>& failing) {
  try {
    failing();
  } catch (...) {
    return DescribeCurrentFailure();
  }
  ADD_FAILURE() << "nothing failed";
  return {};
}

TEST(FailureInfo, SystemFailureGivesTheSystemsNumberAndText) {
  const FailureInfo info = DescribeFailureOf(
      [] { throw std::system_error(EACCES, std::generic_category(), "create /x"); });
  EXPECT_EQ(info.number, EACCES);
  // The system's own text, without the operation that failed.
  EXPECT_EQ(info.description, std::strerror(EACCES));
}

TEST(FailureInfo, LackOfMemoryIsTheSystemsOutOfMemoryFailure) {
  const FailureInfo info = DescribeFailureOf([] { throw std::bad_alloc(); });
  EXPECT_EQ(info.number, ENOMEM);
  EXPECT_EQ(info.description, std::strerror(ENOMEM));
}

TEST(FailureInfo, OtherFailureKeepsItsTextWithoutANumber) {
  const FailureInfo info = DescribeFailureOf([] { throw std::length_error("no bytes"); });
  EXPECT_EQ(info.number, kUnnumberedFailure);
  EXPECT_EQ(info.description, "no bytes");
}

TEST(FailureInfo, UnknownFailureIsStillDescribed) {
  const FailureInfo info = DescribeFailureOf([] { throw 7; });
  EXPECT_EQ(info.number, kUnnumberedFailure);
  EXPECT_FALSE(info.description.empty());
}

}  // namespace
}  // namespace tallies
