#pragma once

#include <cctype>
#include <gtest/gtest.h>
#include <string>

// Names each test of a table after its row's `name`, dropping what a test name cannot hold
// (so "lblCol(2)" gives lblCol2). The row's name then also tells which row failed.
struct ByName {
    template <class Row> std::string operator()(const testing::TestParamInfo<Row>& info) const {
        std::string name = info.param.name;
        std::erase_if(name, [](unsigned char c) { return !std::isalnum(c) && c != '_'; });
        return name;
    }
};
