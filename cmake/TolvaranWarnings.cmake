# Warnings are errors for our own code only; Qt's and moc's headers stay as they are.
add_library(tolvaran_warnings INTERFACE)
target_compile_options(tolvaran_warnings INTERFACE -Wall -Wextra -Wshadow -Werror)

# Every library, executable and test of ours calls this once.
function(tolvaran_target target)
  target_link_libraries(${target} PRIVATE tolvaran_warnings)
endfunction()
