# Warning flags for every target of the project; the build is kept free of warnings.
add_compile_options(-Wall -Wextra)
