// The name field of a dialog: one line of cp932 text with a caret that moves by characters (a double-byte
// character is one), holding an offered answer that the first typed character replaces, as a selected default does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class NameField {
 public:
  // The field holds the text, offered, with the caret after it.
  void Offer(std::string_view text);
  // The field holds the text to go on editing, with the caret after it.
  void Set(std::string_view text);

  // A typed byte at the caret; a lead byte waits for its trail byte, so a character goes in whole.
  void Type(std::uint8_t byte);
  // The editing keys; false when there was nothing to do. Moving the caret takes the offered text as typed;
  // Backspace and Delete remove an offered text whole.
  bool Left();
  bool Right();
  bool Home();
  bool End();
  bool Backspace();
  bool Delete();
  void Clear() { Set({}); }

  const std::string& text() const { return text_; }
  // A byte offset: the caret stands before that byte.
  std::size_t caret() const { return caret_; }
  bool offered() const { return offered_; }

 private:
  std::size_t CharacterBefore(std::size_t offset) const;
  std::size_t CharacterAfter(std::size_t offset) const;

  std::string text_;
  std::size_t caret_ = 0;
  bool offered_ = false;
  std::uint8_t lead_ = 0;
};
