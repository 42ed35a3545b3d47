// placeholder until this part of the generator lands
