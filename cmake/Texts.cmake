# The program's texts are kept readable in UTF-8 and reach the binary as cp932 bytes, converted by iconv at build time.
find_program(ICONV_EXECUTABLE iconv REQUIRED)
set(TEXTS_DIR ${PROJECT_BINARY_DIR}/generated)

# An interface library whose header <name>.h holds the catalogue's texts in namespace <name>.
function(add_text_catalogue target catalogue name)
  add_custom_command(
    OUTPUT ${TEXTS_DIR}/${name}.h
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TEXTS_DIR}
    COMMAND ${ICONV_EXECUTABLE} -f UTF-8 -t CP932 ${catalogue} -o ${TEXTS_DIR}/${name}.cp932
    COMMAND ${CMAKE_COMMAND} -DCATALOGUE=${TEXTS_DIR}/${name}.cp932 -DHEADER=${TEXTS_DIR}/${name}.h
            -DNAMESPACE=${name} -P ${PROJECT_SOURCE_DIR}/cmake/GenerateTexts.cmake
    DEPENDS ${catalogue} ${PROJECT_SOURCE_DIR}/cmake/GenerateTexts.cmake
    COMMENT "Converting ${name} to cp932")
  add_custom_target(${target}_header DEPENDS ${TEXTS_DIR}/${name}.h)
  add_library(${target} INTERFACE)
  add_dependencies(${target} ${target}_header)
  target_include_directories(${target} INTERFACE ${TEXTS_DIR})
endfunction()

add_text_catalogue(qelvorin_texts ${PROJECT_SOURCE_DIR}/support/texts/catalogue.txt texts)
