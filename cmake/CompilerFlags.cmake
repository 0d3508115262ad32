# Warnings are errors everywhere. Nothing here may reorder or contract floating
# point: the rope physics is reproduced bit for bit, so no -ffast-math, and
# -ffp-contract=off keeps the compiler from fusing a multiply and an add.
add_compile_options(
  -Wall -Wextra -Werror
  -ffp-contract=off
  -fno-fast-math
)

if(KELVRO_SANITIZE)
  add_compile_options(-fsanitize=${KELVRO_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${KELVRO_SANITIZE})
  # Tests that repeat a whole program many times repeat it less often here.
  add_compile_definitions(KELVRO_SANITIZED=1)
endif()
