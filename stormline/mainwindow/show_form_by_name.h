#pragma once
// Shows the application's form of that instance name, not modally, in front of the others.
// A name no form has does nothing.

#include <string_view>

#include "forms/application.h"

namespace stormline {

void showFormByName(forms::Application& application, std::string_view name);

}  // namespace stormline
