# Our own code builds warning-free; third-party headers come in as system
# includes through their imported targets and are not affected.
function(parlora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
