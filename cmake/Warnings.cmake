# Every target of the project builds with these warnings.
add_compile_options(-Wall -Wextra)
