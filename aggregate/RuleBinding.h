// Binding of the rule objects the program creates: set manager, current data, option link,
// in this order, right after construction.
#pragma once

class ClRuleBase;

// The data identifier of the data set selected in the accounting system.
const char* SelectedDataId();

void BindRule(ClRuleBase& rule, const char* dataId);
