function(oddsmith_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wold-style-cast -Woverloaded-virtual)
    if(ODDSMITH_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
