# Settings every target of the project links: language level, warnings, Qt strictness, sanitizers.
add_library(clipvane_common INTERFACE)
target_compile_features(clipvane_common INTERFACE cxx_std_20)
set_target_properties(clipvane_common PROPERTIES INTERFACE_CXX_EXTENSIONS OFF)
if(MSVC)
  # Sources and their string literals are UTF-8, which the core's strings are too.
  target_compile_options(clipvane_common INTERFACE /W4 /permissive- /utf-8 /Zc:__cplusplus)
  if(CLIPVANE_WERROR)
    target_compile_options(clipvane_common INTERFACE /WX)
  endif()
else()
  target_compile_options(clipvane_common INTERFACE -Wall -Wextra -Wpedantic)
  if(CLIPVANE_WERROR)
    target_compile_options(clipvane_common INTERFACE -Werror)
  endif()
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 at -O3 reports overlapping memcpy in std::string's operator+ (GCC bug 105651).
  target_compile_options(clipvane_common INTERFACE -Wno-restrict)
endif()
target_compile_definitions(clipvane_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER
  $<$<BOOL:${CLIPVANE_BUILD_TESTS}>:_GLIBCXX_ASSERTIONS>)

if(CLIPVANE_SANITIZE STREQUAL "address")
  target_compile_options(clipvane_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
  target_link_options(clipvane_common INTERFACE -fsanitize=address,undefined)
elseif(CLIPVANE_SANITIZE STREQUAL "thread")
  target_compile_options(clipvane_common INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(clipvane_common INTERFACE -fsanitize=thread)
elseif(NOT CLIPVANE_SANITIZE STREQUAL "")
  message(FATAL_ERROR "CLIPVANE_SANITIZE must be empty, 'address' or 'thread'")
endif()
