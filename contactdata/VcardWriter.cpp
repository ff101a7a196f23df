#include "contactdata/VcardWriter.h"

#include <string>

#include "ce/files.h"
#include "ce/handles.h"
#include "contactdata/VcardBuilder.h"

bool MakeVcard(CContactInfo& contact, const wchar_t* path) {
  if (!path) return false;
  std::string card;
  VcardBuilder::Build(contact, card);
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE || !file) return false;
  DWORD written = 0;
  const bool complete = WriteFile(file, card.data(), static_cast<DWORD>(card.size()), &written, nullptr) &&
                        written == card.size();
  CloseHandle(file);
  // A half-written card would be sent or imported as if it were whole.
  if (!complete) DeleteFileW(path);
  return complete;
}

bool MakeVcard(CContactInfo& contact, qzu::string8& card) {
  std::string bytes;
  VcardBuilder::Build(contact, bytes);
  card = qzu::string8(std::move(bytes));
  return true;
}
