// Names parameterised tests after the `name` field of their case.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace gauge_test_support {

struct CaseName {
  template <class Case>
  std::string operator()(const testing::TestParamInfo<Case>& test) const {
    return test.param.name;
  }
};

}  // namespace gauge_test_support
