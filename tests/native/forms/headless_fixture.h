#pragma once
// An application on the headless backend, with plain forms to put components on.

#include <gtest/gtest.h>

#include <string>

#include "forms/application.h"
#include "forms/headless/headless_backend.h"

namespace forms::testing {

inline FormDesign plainDesign(std::string name, int width = 300, int height = 200) {
    FormDesign design;
    design.className = "T" + name;
    design.name = std::move(name);
    design.clientWidth = width;
    design.clientHeight = height;
    return design;
}

class HeadlessTest : public ::testing::Test {
  protected:
    Form& plainForm(std::string name, int width = 300, int height = 200) {
        return app.createForm<Form>(plainDesign(std::move(name), width, height));
    }

    headless::HeadlessBackend backend;
    Application app{backend};
};

}  // namespace forms::testing
