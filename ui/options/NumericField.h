#pragma once
// An edit control that takes one integer in a range: it refuses anything but digits as the user
// types or pastes, steps with the arrow keys and the wheel, and corrects itself on focus loss.
#include <string>

#include "ui/Subclass.h"
#include "ui/options/NumericText.h"

class NumericField : public SubclassedControl {
 public:
  int minValue = 0;
  int maxValue = 0;
  int defaultValue = 0;

  void SetValue(int value);
  int GetValue() const;
  void Validate();
  void StepUp();
  void StepDown();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  NumericRange Range() const { return {minValue, maxValue}; }
  std::wstring Text() const;
  void SelectAll();
  // The text the edit would hold after replacing its selection with `insert`.
  std::wstring Candidate(const std::wstring& insert) const;
  bool ClipboardText(std::wstring& text) const;
};
