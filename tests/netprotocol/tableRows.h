#pragma once
// Rows of the test tables, each with a `name`: the name a parameterised test
// is listed under and the text a failure shows instead of the row's bytes.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// In the test file's unnamed namespace, where its rows are, so that
// GoogleTest's printer finds PrintTo beside them.
namespace {

template <typename TRow>
concept NamedRow = requires(const TRow& row)
{
    std::string(row.name);
};

/// The name generator of INSTANTIATE_TEST_SUITE_P.
template <NamedRow TRow> std::string RowName(const testing::TestParamInfo<TRow>& info)
{
    return info.param.name;
}

/// Found by GoogleTest's printer for any named row.
template <NamedRow TRow> void PrintTo(const TRow& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace
