// The name field of a dialog.
#include "files/name_field.h"

#include "texts/shift_jis.h"

void NameField::Offer(std::string_view text) {
  Set(text);
  offered_ = true;
}

void NameField::Set(std::string_view text) {
  text_ = text;
  caret_ = text_.size();
  offered_ = false;
  lead_ = 0;
}

void NameField::Type(std::uint8_t byte) {
  if (lead_ == 0 && IsLeadByte(byte)) {
    lead_ = byte;
    return;
  }
  std::string character;
  if (lead_ != 0) character.push_back(static_cast<char>(lead_));
  character.push_back(static_cast<char>(byte));
  if (offered_) Clear();
  lead_ = 0;
  text_.insert(caret_, character);
  caret_ += character.size();
}

// Character boundaries are found from the start: a trail byte may look like a lead byte.
std::size_t NameField::CharacterBefore(std::size_t offset) const {
  std::size_t start = 0;
  for (std::size_t index = 0; index < offset;) {
    start = index;
    index += IsLeadByte(static_cast<std::uint8_t>(text_[index])) && index + 1 < text_.size() ? 2 : 1;
  }
  return start;
}

std::size_t NameField::CharacterAfter(std::size_t offset) const {
  const bool pair = IsLeadByte(static_cast<std::uint8_t>(text_[offset])) && offset + 1 < text_.size();
  return offset + (pair ? 2 : 1);
}

bool NameField::Left() {
  offered_ = false;
  if (caret_ == 0) return false;
  caret_ = CharacterBefore(caret_);
  return true;
}

bool NameField::Right() {
  offered_ = false;
  if (caret_ == text_.size()) return false;
  caret_ = CharacterAfter(caret_);
  return true;
}

bool NameField::Home() {
  offered_ = false;
  const bool moved = caret_ != 0;
  caret_ = 0;
  return moved;
}

bool NameField::End() {
  offered_ = false;
  const bool moved = caret_ != text_.size();
  caret_ = text_.size();
  return moved;
}

bool NameField::Backspace() {
  if (offered_ || caret_ == 0) {
    const bool removed = offered_ && !text_.empty();
    if (offered_) Clear();
    return removed;
  }
  const std::size_t start = CharacterBefore(caret_);
  text_.erase(start, caret_ - start);
  caret_ = start;
  return true;
}

bool NameField::Delete() {
  if (offered_ || caret_ == text_.size()) {
    const bool removed = offered_ && !text_.empty();
    if (offered_) Clear();
    return removed;
  }
  text_.erase(caret_, CharacterAfter(caret_) - caret_);
  return true;
}
