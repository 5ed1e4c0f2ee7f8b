// Gives the asset libraries an object file of their own; the resources are what they hold.
