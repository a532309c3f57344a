if(MOTORHALL_SANITIZE)
    set(_motorhall_san -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${_motorhall_san})
    add_link_options(${_motorhall_san})
endif()
