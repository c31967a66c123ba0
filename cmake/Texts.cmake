# The program's texts are kept readable in UTF-8 and reach the binary as cp932 bytes, converted by iconv at build time.
find_program(ICONV_EXECUTABLE iconv REQUIRED)
set(TEXTS_CATALOGUE ${PROJECT_SOURCE_DIR}/support/texts/catalogue.txt)
set(TEXTS_DIR ${PROJECT_BINARY_DIR}/generated)
add_custom_command(
  OUTPUT ${TEXTS_DIR}/texts.h
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TEXTS_DIR}
  COMMAND ${ICONV_EXECUTABLE} -f UTF-8 -t CP932 ${TEXTS_CATALOGUE} -o ${TEXTS_DIR}/catalogue.cp932
  COMMAND ${CMAKE_COMMAND} -DCATALOGUE=${TEXTS_DIR}/catalogue.cp932 -DHEADER=${TEXTS_DIR}/texts.h
          -P ${PROJECT_SOURCE_DIR}/cmake/GenerateTexts.cmake
  DEPENDS ${TEXTS_CATALOGUE} ${PROJECT_SOURCE_DIR}/cmake/GenerateTexts.cmake
  COMMENT "Converting the text catalogue to cp932")
add_custom_target(texts DEPENDS ${TEXTS_DIR}/texts.h)
add_library(qelvorin_texts INTERFACE)
add_dependencies(qelvorin_texts texts)
target_include_directories(qelvorin_texts INTERFACE ${TEXTS_DIR})
